// Test entry point for Windows test programs: a crash fails the test with exit code 99.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  // An assert or a crash must never wait for a person to close a dialog.
  _set_error_mode(_OUT_TO_STDERR);
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  // Wine reports a segfault as exit code 5 or even 0; ending the process ourselves makes it 99.
  SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* info) -> LONG {
    std::fprintf(stderr, "unhandled exception 0x%08lx at %p\n",
                 static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode),
                 info->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 99);
    return EXCEPTION_EXECUTE_HANDLER;
  });
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  std::fflush(stdout);
  return result;
}
