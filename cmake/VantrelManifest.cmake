# vantrel_use_utf8(target): the program runs in UTF-8 mode, with UTF-8 as its ANSI code page.
#
# Embeds an application manifest that asks for the active code page UTF-8 (Windows 10 version
# 1903 and later; older systems ignore the entry and keep the user's code page) and for the
# common controls version 6. The manifest is the program's only one: give the target no other.
# With MSVC the manifest is merged by the linker (leave its manifest on) and sources are read
# and compiled as UTF-8 (/utf-8); with MinGW it is compiled in as resource 1 of type 24
# (CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST) and GCC's literals are UTF-8 already.
# Defined in the build tree and installed beside VantrelConfig.cmake, which includes it.
function(vantrel_use_utf8 target)
  if(NOT TARGET ${target})
    message(FATAL_ERROR "vantrel_use_utf8: there is no target ${target}")
  endif()
  if(NOT WIN32)
    message(FATAL_ERROR "vantrel_use_utf8: ${target} is not built for Windows")
  endif()
  # The code page belongs to the process: only a program's own manifest can choose it.
  get_target_property(type ${target} TYPE)
  if(NOT type STREQUAL "EXECUTABLE")
    message(FATAL_ERROR "vantrel_use_utf8: ${target} is not a program (${type})")
  endif()
  set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}.utf8.manifest)
  # CONFIGURE rewrites the file only when it changes, so a new configure rebuilds nothing.
  file(CONFIGURE OUTPUT ${manifest} @ONLY CONTENT [=[
<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">
  <dependency>
    <dependentAssembly>
      <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"
                        processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*"/>
    </dependentAssembly>
  </dependency>
  <application xmlns="urn:schemas-microsoft-com:asm.v3">
    <windowsSettings>
      <activeCodePage xmlns="http://schemas.microsoft.com/SMI/2019/WindowsSettings">UTF-8</activeCodePage>
    </windowsSettings>
  </application>
</assembly>
]=])
  if(MSVC)
    target_sources(${target} PRIVATE ${manifest})
    target_compile_options(${target} PRIVATE /utf-8)
  else()
    set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}.utf8.rc)
    file(CONFIGURE OUTPUT ${resource} @ONLY CONTENT "1 24 \"@manifest@\"\n")
    # The resource compiler does not report the manifest as a dependency of the .rc.
    set_source_files_properties(${resource} PROPERTIES OBJECT_DEPENDS ${manifest})
    target_sources(${target} PRIVATE ${resource})
  endif()
endfunction()
