#include "shell/file_save_dialog.h"

#include <QFileDialog>
#include <QStringList>

namespace mqt {

QString QtNameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}

std::optional<std::string> FileSaveDialog::AskSavePath(const std::string& title,
                                                       const std::string& filter,
                                                       const std::string& default_suffix) {
  QFileDialog dialog(owner_, QString::fromStdString(title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QtNameFilters(filter));
  // "*.bmp" and "bmp" both mean the extension bmp.
  QString suffix = QString::fromStdString(default_suffix);
  while (suffix.startsWith(QLatin1Char('*')) || suffix.startsWith(QLatin1Char('.'))) {
    suffix.remove(0, 1);
  }
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace mqt
