#include "prompter.h"

#include <QStringList>

namespace velmora {

QString QtFileFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    if (description.isEmpty() && i + 1 >= parts.size())
      continue;
    QString patterns = i + 1 < parts.size() ? parts[i + 1].trimmed() : QStringLiteral("*");
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (description.isEmpty() && patterns.isEmpty())
      continue;
    filters << QStringLiteral("%1 (%2)").arg(description, patterns);
  }
  return filters.join(QStringLiteral(";;"));
}

QString ErrorText(const std::exception& error) {
  // Messages name files and texts in the system's 8-bit encoding.
  return QString::fromLocal8Bit(error.what());
}

}  // namespace velmora
