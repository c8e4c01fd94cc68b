#include "display/image_saving.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "display/qimage_canvas.h"
#include "display/wave_plot.h"

namespace mqt {
namespace {

class ScriptedSaveDialog final : public SaveDialog {
 public:
  explicit ScriptedSaveDialog(std::optional<std::string> answer) : answer_(std::move(answer)) {}

  std::optional<std::string> AskSavePath(const std::string&, const std::string& filter,
                                         const std::string& default_suffix) override {
    ++asked;
    this->filter = filter;
    this->default_suffix = default_suffix;
    return answer_;
  }

  int asked = 0;
  std::string filter;
  std::string default_suffix;

 private:
  std::optional<std::string> answer_;
};

QImage APlot() {
  QImageCanvas canvas(QSize(1014, 560));
  DrawAxes(canvas, "+127", "-128", PlotEnvironment{1024, "English", "X", "Y", ""});
  for (int i = 0; i < 900; ++i) DrawBars(canvas, 41 + i, (i * 7) % 255 - 128, (i % 60) - 30);
  return canvas.image();
}

TEST(SaveImageAs, WritesAWindowsBitmapThatReadsBackWithTheSamePixels) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QImage picture = APlot();

  // Whatever the name's extension, the file is a bitmap.
  for (const char* name : {"/wave.bmp", "/wave.png"}) {
    const std::string path = folder.path().toStdString() + name;
    ScriptedSaveDialog dialog(path);
    const SaveImageResult result = SaveImageAs(picture, dialog);
    EXPECT_EQ(result.outcome, SaveImageResult::Outcome::kSaved);
    EXPECT_EQ(result.path, path);
    EXPECT_EQ(dialog.filter, "*.bmp|*.bmp");
    EXPECT_EQ(dialog.default_suffix, "bmp");

    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), "BM") << name;
    file.close();
    const QImage read_back(QString::fromStdString(path), "BMP");
    ASSERT_FALSE(read_back.isNull()) << name;
    EXPECT_EQ(read_back.convertToFormat(QImage::Format_RGB32), picture) << name;
  }
}

TEST(SaveImageAs, CancellingSavesNothing) {
  ScriptedSaveDialog dialog(std::nullopt);
  const SaveImageResult result = SaveImageAs(APlot(), dialog);
  EXPECT_EQ(dialog.asked, 1);
  EXPECT_EQ(result.outcome, SaveImageResult::Outcome::kCancelled);
}

TEST(SaveImageAs, AFileThatCannotBeWrittenIsReportedNotSaved) {
  QTemporaryDir folder;
  const std::string path = folder.path().toStdString() + "/no such folder/wave.bmp";
  ScriptedSaveDialog dialog(path);
  const SaveImageResult result = SaveImageAs(APlot(), dialog);
  EXPECT_EQ(result.outcome, SaveImageResult::Outcome::kFailed);
  EXPECT_NE(result.error.find(path), std::string::npos) << result.error;
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

}  // namespace
}  // namespace mqt
