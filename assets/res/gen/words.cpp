#include "words.h"

#include <QFile>
#include <QTextStream>

bool Words::Load(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  QTextStream in(&file);
  in.setEncoding(QStringConverter::Utf8);
  QString section;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    if (line.startsWith('[') && line.endsWith(']')) {
      section = line.mid(1, line.size() - 2).trimmed();
      if (!order_.contains(section)) order_ << section;
      continue;
    }
    const qsizetype eq = line.indexOf('=');
    if (eq <= 0) continue;
    sections_[section].insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
  }
  return true;
}

QString Words::Get(const QString& section, const QString& key) const {
  return sections_.value(section).value(key);
}
