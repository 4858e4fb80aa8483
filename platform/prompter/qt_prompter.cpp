#include "qt_prompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace velmora {

namespace {

QString Title() {
  QString title = QGuiApplication::applicationDisplayName();
  return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

}  // namespace

QtPrompter::QtPrompter(QWidget* parent) : parent_(parent) {}

QWidget* QtPrompter::Parent() const {
  if (parent_)
    return parent_;
  return QApplication::activeWindow();
}

void QtPrompter::Information(const QString& text) {
  QMessageBox::information(Parent(), Title(), text);
}

bool QtPrompter::WarningQuestion(const QString& text) {
  return QMessageBox::warning(Parent(), Title(), text, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) == QMessageBox::Yes;
}

void QtPrompter::Error(const QString& text) {
  QMessageBox::critical(Parent(), Title(), text);
}

QString QtPrompter::OpenFile(const QString& filter, const QString& start) {
  return QFileDialog::getOpenFileName(Parent(), QString(), start, QtFileFilter(filter));
}

QString QtPrompter::SaveFile(const QString& filter, const QString& start) {
  return QFileDialog::getSaveFileName(Parent(), QString(), start, QtFileFilter(filter), nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

std::optional<QColor> QtPrompter::ChooseColor(const QColor& initial) {
  QColor chosen = QColorDialog::getColor(initial, Parent());
  if (!chosen.isValid())
    return std::nullopt;
  return chosen;
}

QString QtPrompter::ChoosePicture(const QString& start) {
  return OpenFile(QStringLiteral("All pictures|*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.ico|All files|*"),
                  start);
}

}  // namespace velmora
