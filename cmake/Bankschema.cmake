# The schema German banks apply to direct-debit files, compiled into zalvor_core so the
# program checks a file before it saves it.
set(zalvor_bankschema_xsd ${PROJECT_SOURCE_DIR}/schemas/sepa/pain.008.001.08_GBIC_4.xsd)
set(zalvor_bankschema_cpp ${CMAKE_CURRENT_BINARY_DIR}/bankschema_daten.cpp)
add_custom_command(
    OUTPUT ${zalvor_bankschema_cpp}
    COMMAND ${CMAKE_COMMAND} -DEINGABE=${zalvor_bankschema_xsd} -DAUSGABE=${zalvor_bankschema_cpp}
            -DHEADER=core/sepa/bankschema.h -DFUNKTION=bankschemaXsd
            -DNAMENSRAUM=zalvor::sepa
            -P ${PROJECT_SOURCE_DIR}/cmake/DateiAlsQuelle.cmake
    DEPENDS ${zalvor_bankschema_xsd} ${PROJECT_SOURCE_DIR}/cmake/DateiAlsQuelle.cmake
    COMMENT "Bank schema as a C++ source")
target_sources(zalvor_core PRIVATE ${zalvor_bankschema_cpp})
