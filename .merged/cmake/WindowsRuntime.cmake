# What a Windows build of the window program needs at run time besides itself: Qt's DLLs
# and plugins (from the Qt it is built against) and MinGW's runtime DLLs, which Qt and the
# program share.
#   MW_WINDOWS_RUNTIME_DLLS   MinGW's runtime DLLs
#   MW_WINDOWS_QT_PREFIX      the Qt for Windows in use
#   MW_WINDOWS_DLL_PATH       WINEPATH that finds them all, for runs under wine
set(MW_WINDOWS_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(path "${path}" REALPATH)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "MinGW's ${dll} not found")
    endif()
    list(APPEND MW_WINDOWS_RUNTIME_DLLS ${path})
endforeach()

get_filename_component(MW_WINDOWS_QT_PREFIX "${Qt6_DIR}/../../.." ABSOLUTE)

set(folders ${MW_WINDOWS_QT_PREFIX}/bin)
foreach(dll ${MW_WINDOWS_RUNTIME_DLLS})
    get_filename_component(folder ${dll} DIRECTORY)
    list(APPEND folders ${folder})
endforeach()
list(REMOVE_DUPLICATES folders)
list(TRANSFORM folders PREPEND "Z:")
# Escaped, as the list goes into a test's environment, itself a list.
string(REPLACE ";" "\\;" MW_WINDOWS_DLL_PATH "${folders}")
