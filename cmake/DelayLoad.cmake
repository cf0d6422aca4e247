# Import libraries that load their DLL at the first call of one of its
# functions instead of at process start. Under Wine every DLL loaded at start
# (with the DLLs it needs in turn) delays the main window; these are needed
# only by dialogs, sounds, the network lookups and the crash report.
#
# cmake/delayload/NAME.def lists the functions the program calls, with the
# decorated names of the system's import library (NAME@bytes); a call of a
# function not listed there fails to link: add it to the list.
find_program(VORN_DLLTOOL NAMES i686-w64-mingw32-dlltool REQUIRED)

# Makes the imported library NAME_delay for NAME.dll.
function(vorn_delay_load_library name)
    set(def ${PROJECT_SOURCE_DIR}/cmake/delayload/${name}.def)
    set(dir ${CMAKE_BINARY_DIR}/delayload)
    set(lib ${dir}/lib${name}_delay.a)
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
    file(MAKE_DIRECTORY ${dir})
    execute_process(COMMAND ${VORN_DLLTOOL} --kill-at --input-def ${def} --dllname ${name}.dll
                            --output-delaylib ${lib}
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "dlltool could not make ${lib} from ${def}")
    endif()
    add_library(${name}_delay STATIC IMPORTED GLOBAL)
    set_target_properties(${name}_delay PROPERTIES IMPORTED_LOCATION ${lib})
    # The linker drops an import library's jump stub when code calls only
    # through the function's __imp_ pointer (as the system headers declare
    # them); but a delay-load pointer starts out pointing into that stub, and
    # would point to address 0. Asking for every stub keeps them.
    file(STRINGS ${def} entries REGEX "^[A-Za-z_][A-Za-z0-9_]*@[0-9]+$")
    foreach(entry ${entries})
        set_property(TARGET ${name}_delay APPEND PROPERTY INTERFACE_LINK_OPTIONS "LINKER:-u,_${entry}")
    endforeach()
endfunction()

foreach(name comdlg32 dbghelp iphlpapi ole32 shell32 winmm ws2_32)
    vorn_delay_load_library(${name})
endforeach()
