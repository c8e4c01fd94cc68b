#include "documents.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>
#include <QTextTable>
#include <QUrl>

#include "art.h"
#include "waves.h"

namespace {

constexpr qreal kPicturePixels = 1500;  // drawn width of a waveform picture

// The page is laid out in points, so pixel sizes here are point sizes.
QFont BodyFont(const QString& language) {
  return art::Font(language, art::IsChinese(language) ? 11 : 10);
}

// Headings in the station's colours, pictures across the text width.
void Style(QTextDocument& doc, const QString& language, qreal text_width) {
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    QTextBlockFormat bf = block.blockFormat();
    const int level = bf.headingLevel();
    QTextCursor cursor(block);
    if (level > 0) {
      cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      QTextCharFormat cf;
      QFont font = BodyFont(language);
      font.setBold(true);
      font.setPixelSize(level == 1 ? 20 : level == 2 ? 14 : 12);
      cf.setFont(font);
      cf.setForeground(level == 1 ? art::kNavy : art::kTeal);
      cursor.mergeCharFormat(cf);
      bf.setTopMargin(level == 1 ? 0 : 14);
      bf.setBottomMargin(level == 1 ? 10 : 5);
      cursor.setBlockFormat(bf);
    } else {
      bool picture = false;
      for (auto it = block.begin(); !it.atEnd(); ++it)
        picture |= it.fragment().charFormat().isImageFormat();
      bf.setLineHeight(picture                    ? 100
                       : art::IsChinese(language) ? 145
                                                  : 130,
                       QTextBlockFormat::ProportionalHeight);
      bf.setTopMargin(0);
      const bool inside_list = block.textList() != nullptr && block.next().isValid() &&
                               block.next().textList() == block.textList();
      bf.setBottomMargin(inside_list ? 2 : 7);
      cursor.setBlockFormat(bf);
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.charFormat().isImageFormat()) continue;
      QTextImageFormat image = fragment.charFormat().toImageFormat();
      const QImage picture =
          doc.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
      if (picture.isNull()) continue;
      image.setWidth(text_width);
      image.setHeight(text_width * picture.height() / picture.width());
      QTextCursor c(&doc);
      c.setPosition(fragment.position());
      c.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      c.setCharFormat(image);
    }
  }
}

// Light rules and a shaded header row, as in the station's printed reports.
void StyleTables(QTextDocument& doc) {
  for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (table == nullptr) continue;
    QTextTableFormat format = table->format();
    format.setBorder(0.6);
    format.setBorderBrush(QColor(190, 200, 210));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(4);
    format.setTopMargin(6);
    format.setBottomMargin(8);
    format.setHeaderRowCount(1);
    table->setFormat(format);
    for (int column = 0; column < table->columns(); ++column) {
      QTextTableCell cell = table->cellAt(0, column);
      QTextCharFormat header = cell.format();
      header.setBackground(QColor(230, 237, 243));
      header.setFontWeight(QFont::Bold);
      cell.setFormat(header);
    }
  }
}

bool WriteDocument(const QString& source, const QString& target, const QString& language) {
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
    QTextStream(stderr) << "cannot read " << source << "\n";
    return false;
  }
  const QString markdown = QString::fromUtf8(in.readAll());

  QPdfWriter writer(target);
  writer.setResolution(300);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(20, 16, 20, 18), QPageLayout::Millimeter));
  writer.setCreator("Korvel Mouse Moving Quality Test");
  writer.setTitle(QFileInfo(target).completeBaseName());

  QTextDocument doc;
  doc.setDefaultFont(BodyFont(language));
  doc.setMarkdown(markdown);
  // After the text: setting it clears the resources.
  for (const char* kind : {"good", "bad", "pause", "slow"}) {
    doc.addResource(
        QTextDocument::ImageResource, QUrl(QString("wave:") + kind),
        WavePicture(kind, static_cast<int>(kPicturePixels), 300 * kPicturePixels / 1100));
  }

  // Lay the text out on the page in points, then scale to the writer.
  const QRectF page = writer.pageLayout().paintRectPoints();
  doc.setPageSize(page.size());
  doc.setDocumentMargin(0);
  Style(doc, language, page.width() * 0.96);
  StyleTables(doc);

  QPainter painter;
  if (!painter.begin(&writer)) {
    QTextStream(stderr) << "cannot write " << target << "\n";
    return false;
  }
  const qreal scale = writer.resolution() / 72.0;
  const int pages = doc.pageCount();
  const QFont footer = art::Font(language, 8);
  for (int n = 0; n < pages; ++n) {
    if (n > 0) writer.newPage();
    painter.save();
    painter.scale(scale, scale);
    painter.translate(0, -n * page.height());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, n * page.height(), page.width(), page.height());
    painter.setClipRect(context.clip);
    doc.documentLayout()->draw(&painter, context);
    painter.restore();

    painter.save();
    painter.scale(scale, scale);
    painter.setFont(footer);
    painter.setPen(QColor(120, 130, 140));
    const qreal y = page.height() + 6;
    painter.drawLine(QPointF(0, y), QPointF(page.width(), y));
    painter.drawText(QRectF(0, y + 3, page.width(), 14), Qt::AlignLeft | Qt::AlignTop,
                     "KORVEL  ·  " + doc.begin().text());
    painter.drawText(QRectF(0, y + 3, page.width(), 14), Qt::AlignRight | Qt::AlignTop,
                     QString("%1 / %2").arg(n + 1).arg(pages));
    painter.restore();
  }
  painter.end();
  return true;
}

}  // namespace

bool WriteDocuments(const QString& src_dir, const QString& out_dir) {
  bool ok = true;
  QDir().mkpath(out_dir);
  const QDir src(src_dir);
  for (const QString& language : src.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    const QDir folder(src.filePath(language));
    for (const QString& file : folder.entryList({"*.md"}, QDir::Files, QDir::Name)) {
      const QString name = QFileInfo(file).completeBaseName();
      ok &=
          WriteDocument(folder.filePath(file), out_dir + "/" + language + name + ".pdf", language);
    }
  }
  return ok;
}
