cmake_minimum_required(VERSION 3.25)
# Fails when the executable imports a DLL that is not part of Windows itself: the program is one
# file that runs on any Windows without runtime DLLs beside it.
# Usage: cmake -DOBJDUMP=... -DEXE=... -P system_dlls_only.cmake
execute_process(COMMAND "${OBJDUMP}" -p "${EXE}" OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${EXE}")
endif()
set(system comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msimg32.dll msvcrt.dll shell32.dll user32.dll
           ole32.dll oleaut32.dll advapi32.dll uxtheme.dll dwmapi.dll shlwapi.dll)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" names "${dump}")
set(foreign)
foreach(line IN LISTS names)
  string(REPLACE "DLL Name: " "" name "${line}")
  string(TOLOWER "${name}" lower)
  if(NOT lower IN_LIST system)
    list(APPEND foreign "${name}")
  endif()
endforeach()
if(foreign)
  message(FATAL_ERROR "${EXE} needs DLLs that Windows does not have: ${foreign}")
endif()
message(STATUS "${EXE} imports only system DLLs")
