# Run with cmake -P: writes AUSGABE, a C++ source whose function FUNKTION (declared in HEADER,
# namespace NAMENSRAUM) returns the bytes of EINGABE as a std::string_view.
file(READ "${EINGABE}" hex HEX)
string(LENGTH "${hex}" laenge)
math(EXPR bytes "${laenge} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){32})" "\\1\n" hex "${hex}")
get_filename_component(name "${EINGABE}" NAME)
file(WRITE "${AUSGABE}"
"// Made by cmake/DateiAlsQuelle.cmake from ${name}; not to be edited.
#include \"${HEADER}\"

namespace ${NAMENSRAUM} {

namespace {
const unsigned char kDaten[${bytes}] = {
${hex}
};
} // namespace

std::string_view ${FUNKTION}() {
    return std::string_view(reinterpret_cast<const char*>(kDaten), sizeof kDaten);
}

} // namespace ${NAMENSRAUM}
")
