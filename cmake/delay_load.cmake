# Windows: DLLs the start does not need (the update check, music, file dialogs, the shell) are
# loaded when first called rather than before the program runs; under Wine each costs milliseconds
# of every start. The import library of each lists the functions the program calls; any other
# function of that DLL comes from its ordinary import library, linked after it.
function(vistelle_delay_load_library out dll)
  string(TOLOWER ${dll} name)
  set(def ${CMAKE_BINARY_DIR}/delay/${name}.def)
  set(lib ${CMAKE_BINARY_DIR}/delay/lib${name}_delay.a)
  list(JOIN ARGN "\n" exports)
  file(WRITE ${def} "LIBRARY ${dll}\nEXPORTS\n${exports}\n")
  execute_process(COMMAND ${CMAKE_DLLTOOL} -d ${def} -y ${lib} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "dlltool could not make the delay-load library of ${dll}")
  endif()
  set(${out} ${lib} PARENT_SCOPE)
endfunction()

vistelle_delay_load_library(DELAYED_WININET WININET.dll HttpOpenRequestW HttpSendRequestW InternetCloseHandle
                            InternetConnectW InternetCrackUrlW InternetOpenW InternetReadFile InternetSetOptionW)
vistelle_delay_load_library(DELAYED_WINMM WINMM.dll mciSendStringW)
vistelle_delay_load_library(DELAYED_COMDLG32 comdlg32.dll ChooseColorW GetOpenFileNameW GetSaveFileNameW)
vistelle_delay_load_library(DELAYED_SHELL32 SHELL32.dll SHBindToParent SHGetFolderPathW SHParseDisplayName
                            ShellExecuteW)
set(VISTELLE_DELAYED_LIBRARIES ${DELAYED_WININET} ${DELAYED_WINMM} ${DELAYED_COMDLG32} ${DELAYED_SHELL32})
