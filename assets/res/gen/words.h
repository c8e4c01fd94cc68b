#pragma once

#include <QHash>
#include <QString>

// Sections of key=value lines, UTF-8; '#' starts a comment line.
class Words {
 public:
  // False when the file cannot be read.
  bool Load(const QString& path);
  // The text of key in section; empty when missing.
  QString Get(const QString& section, const QString& key) const;
  QStringList Sections() const { return order_; }

 private:
  QHash<QString, QHash<QString, QString>> sections_;
  QStringList order_;
};
