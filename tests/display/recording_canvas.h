#pragma once

#include <string>
#include <vector>

#include "display/canvas.h"

namespace mqt::testing_support {

// Records what is drawn instead of painting it, for tests that check which
// lines and texts a drawing step produces.
class RecordingCanvas final : public Canvas {
 public:
  struct Line {
    int x0, y0, x1, y1;
    Color pen;
  };
  struct Text {
    int x, y;
    std::string text;
  };

  RecordingCanvas(int width, int height) : width_(width), height_(height) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetPenColor(Color color) override { pen_ = color; }
  void SetBrushColor(Color) override {}
  void SetFontColor(Color) override {}
  void SetFontName(std::string_view) override {}
  void SetFontSize(int) override {}
  void MoveTo(int x, int y) override {
    x_ = x;
    y_ = y;
  }
  void LineTo(int x, int y) override {
    lines.push_back({x_, y_, x, y, pen_});
    x_ = x;
    y_ = y;
  }
  void FillRect(int, int, int, int) override {}
  void TextOut(int x, int y, std::string_view text) override {
    texts.push_back({x, y, std::string(text)});
  }

  // Vertical lines that start on a baseline right of the axis: the bars.
  std::vector<Line> BarsFrom(int baseline) const {
    std::vector<Line> bars;
    for (const Line& line : lines) {
      if (line.x0 == line.x1 && line.y0 == baseline && line.x0 >= 40 && line.pen == kWhite) {
        bars.push_back(line);
      }
    }
    return bars;
  }

  std::vector<Line> lines;
  std::vector<Text> texts;

 private:
  int width_;
  int height_;
  Color pen_ = kBlack;
  int x_ = 0;
  int y_ = 0;
};

}  // namespace mqt::testing_support
