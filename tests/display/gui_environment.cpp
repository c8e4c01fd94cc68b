// Fonts, pixmaps and cursors need a QGuiApplication; tests run it on the
// offscreen platform.
#include <gtest/gtest.h>
#include <QGuiApplication>

#include <memory>

namespace {

class GuiEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "display_test";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] testing::Environment* const kGuiEnvironment =
    testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace
