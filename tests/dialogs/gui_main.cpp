// Runs the view tests inside a wx application. Listing the tests needs no display.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

#include <cstring>

int main(int argc, char** argv) {
  bool listOnly = false;
  for (int i = 1; i < argc; ++i)
    if (!std::strcmp(argv[i], "--gtest_list_tests")) listOnly = true;
  ::testing::InitGoogleTest(&argc, argv);
  if (listOnly) return RUN_ALL_TESTS();
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(argc, argv)) return 77;  // no display
  wxTheApp->CallOnInit();
  const int status = RUN_ALL_TESTS();
  wxEntryCleanup();
  return status;
}
