# Compiler settings shared by every target of the project.

add_compile_options(-Wall -Wextra)
add_compile_definitions(
    QT_NO_KEYWORDS          # Q_SIGNALS, Q_SLOTS, Q_EMIT
    QT_USE_QSTRINGBUILDER
    QT_NO_CAST_FROM_BYTEARRAY
)

if(KESTROVA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# Plug-ins are MODULE libraries loaded from <build>/bin/plugins.
function(kestrova_plugin_output target)
    set_target_properties(${target} PROPERTIES
        LIBRARY_OUTPUT_DIRECTORY "${KESTROVA_PLUGIN_DIR}")
endfunction()
