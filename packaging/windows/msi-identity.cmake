# Who the Windows Installer package is, for the processor in ARCH (i686 or x86_64): read by
# the build (for the package's file name) and by msi.cmake (for everything else).
#
# The UpgradeCode names the product across all its versions, and the component's code names
# the installed Gavrento.exe at its path: Windows finds an installed Gavrento by them, so
# they never change. Each processor has its own, as the two programs install into folders of
# their own (Program Files and, on 64-bit Windows, Program Files (x86)). The namespace makes
# the codes that must change, the ProductCode with each version and the package code with
# each package, from names: the same inputs give the same codes, on any machine.
set(MSI_NAMESPACE 450C296F-0CFC-4A97-AEBD-D0EA21362D02)

if(ARCH STREQUAL "x86_64")
  set(MSI_ARCH_LABEL x64)                 # in the file name, and wixl's -a
  set(MSI_PLATFORM x64)                   # the summary's Template: x64 Windows only
  set(MSI_PROGRAM_FILES ProgramFiles64Folder)
  set(MSI_WIN64 yes)
  set(MSI_UPGRADE_CODE 48E5580A-B9ED-4157-9122-D1DEF65531FE)
  set(MSI_COMPONENT_GUID D3E2D82C-DA27-48B9-8C09-EA0378D46E5E)
  set(MSI_OTHER_UPGRADE_CODE B08E2A01-E7D1-4A48-A2A5-9F2A89703E2A)
elseif(ARCH STREQUAL "i686")
  set(MSI_ARCH_LABEL x86)
  set(MSI_PLATFORM Intel)                 # any Windows, into Program Files (x86) on 64-bit
  set(MSI_PROGRAM_FILES ProgramFilesFolder)
  set(MSI_WIN64 no)
  set(MSI_UPGRADE_CODE B08E2A01-E7D1-4A48-A2A5-9F2A89703E2A)
  set(MSI_COMPONENT_GUID 04124B76-5DB0-41DA-B5AE-FEC33E23CE85)
  set(MSI_OTHER_UPGRADE_CODE 48E5580A-B9ED-4157-9122-D1DEF65531FE)
else()
  message(FATAL_ERROR "no Windows Installer package for the processor '${ARCH}'")
endif()
