#include <gtest/gtest.h>

#include "platform/headless/Headless.h"
#include "platform/ui/Controls.h"

TEST(Smoke, Builds) {
  HeadlessBackend hb;
  TApplication app(&hb);
  SUCCEED();
}
