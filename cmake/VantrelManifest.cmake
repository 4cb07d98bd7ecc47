# The application manifest of a program, built from the settings asked for by these functions;
# a program that asks for several gets one manifest holding them all.
#
# vantrel_use_utf8(target): the program runs in UTF-8 mode, with UTF-8 as its ANSI code page
# (Windows 10 version 1903 and later; older systems ignore the entry and keep the user's code
# page). With MSVC its sources are also read and compiled as UTF-8 (/utf-8); GCC's literals are
# UTF-8 already.
#
# vantrel_use_per_monitor_dpi(target): the program is per-monitor DPI-aware (PerMonitorV2, else
# PerMonitor; "true/pm" for systems before Windows 10 version 1607), and the toolkit, reading the
# manifest, runs it in scaled mode: coordinates in 96-DPI units, fonts and images at each
# window's DPI.
#
# The manifest also asks for the common controls version 6, and is the program's only one: give
# the target no other. With MSVC the linker merges it (leave its manifest on); with MinGW it is
# compiled in as resource 1 of type 24 (CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST).
# Defined in the build tree and installed beside VantrelConfig.cmake, which includes it.

# The manifest is written once the directory that asked for it is read, with every setting asked
# for by then.
function(_vantrel_manifest_write target manifest)
  get_target_property(settings ${target} VANTREL_MANIFEST_SETTINGS)
  set(entries "")
  if("utf8" IN_LIST settings)
    string(APPEND entries [=[
      <activeCodePage xmlns="http://schemas.microsoft.com/SMI/2019/WindowsSettings">UTF-8</activeCodePage>
]=])
  endif()
  if("per_monitor_dpi" IN_LIST settings)
    string(APPEND entries [=[
      <dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>
      <dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>
]=])
  endif()
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
@entries@    </windowsSettings>
  </application>
</assembly>
]=])
endfunction()

function(_vantrel_manifest_ask function target setting)
  if(NOT TARGET ${target})
    message(FATAL_ERROR "${function}: there is no target ${target}")
  endif()
  if(NOT WIN32)
    message(FATAL_ERROR "${function}: ${target} is not built for Windows")
  endif()
  # These settings belong to the process: only a program's own manifest can choose them.
  get_target_property(type ${target} TYPE)
  if(NOT type STREQUAL "EXECUTABLE")
    message(FATAL_ERROR "${function}: ${target} is not a program (${type})")
  endif()
  set_property(TARGET ${target} APPEND PROPERTY VANTREL_MANIFEST_SETTINGS ${setting})
  get_target_property(added ${target} VANTREL_MANIFEST_ADDED)
  if(added)
    return()
  endif()
  set_property(TARGET ${target} PROPERTY VANTREL_MANIFEST_ADDED ON)
  set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  # A deferred call reads its arguments when it runs: they are written into it now.
  cmake_language(EVAL CODE
                 "cmake_language(DEFER CALL _vantrel_manifest_write [[${target}]] [[${manifest}]])")
  if(MSVC)
    target_sources(${target} PRIVATE ${manifest})
  else()
    set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest.rc)
    file(CONFIGURE OUTPUT ${resource} @ONLY CONTENT "1 24 \"@manifest@\"\n")
    # The resource compiler does not report the manifest as a dependency of the .rc.
    set_source_files_properties(${resource} PROPERTIES OBJECT_DEPENDS ${manifest})
    target_sources(${target} PRIVATE ${resource})
  endif()
endfunction()

function(vantrel_use_utf8 target)
  _vantrel_manifest_ask(vantrel_use_utf8 ${target} utf8)
  if(MSVC)
    target_compile_options(${target} PRIVATE /utf-8)
  endif()
endfunction()

function(vantrel_use_per_monitor_dpi target)
  _vantrel_manifest_ask(vantrel_use_per_monitor_dpi ${target} per_monitor_dpi)
endfunction()
