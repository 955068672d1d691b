# The XML library (with the ICU, zlib and lzma it was built with) and SQLite as archives.
# zalvor-cli's reading commands are short: loading and relocating five more shared libraries
# at every start took about a quarter of a closing's run on a large club, although a closing
# uses none of them. Debian's -dev packages ship the archives beside the shared libraries.
set(_zalvor_archive_namen xml2 icuuc icudata lzma z sqlite3)
set(_zalvor_archive)
foreach(name IN LISTS _zalvor_archive_namen)
    find_library(ZALVOR_ARCHIV_${name} NAMES lib${name}.a)
    if(NOT ZALVOR_ARCHIV_${name})
        message(FATAL_ERROR "lib${name}.a fehlt (Debian: das zugehörige -dev-Paket)")
    endif()
    list(APPEND _zalvor_archive ${ZALVOR_ARCHIV_${name}})
endforeach()
add_library(zalvor_statische_bibliotheken INTERFACE)
# Header paths as with the shared libraries; the archives after the engine on the link line.
target_include_directories(zalvor_statische_bibliotheken INTERFACE ${LIBXML2_INCLUDE_DIRS}
                                                                   ${SQLite3_INCLUDE_DIRS})
target_link_libraries(zalvor_statische_bibliotheken INTERFACE ${_zalvor_archive} m)
