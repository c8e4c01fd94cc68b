#include "shell/caption_plan.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QWidget>

namespace mqt {

namespace {

QObject* Find(QWidget& window, const std::string& name) {
  const QString qname = QString::fromStdString(name);
  if (window.objectName() == qname) return &window;
  return window.findChild<QObject*>(qname);
}

bool SetCaption(QWidget& window, QObject* control, const QString& text) {
  if (control == &window) {
    window.setWindowTitle(text);
  } else if (auto* action = qobject_cast<QAction*>(control)) {
    action->setText(text);
  } else if (auto* menu = qobject_cast<QMenu*>(control)) {
    menu->setTitle(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
    group->setTitle(text);
  } else {
    return false;
  }
  return true;
}

}  // namespace

std::vector<CaptionText> ApplyCaptions(QWidget& window, const std::vector<CaptionText>& captions) {
  std::vector<CaptionText> left;
  for (const auto& c : captions) {
    QObject* control = Find(window, c.control);
    if (control == nullptr || !SetCaption(window, control, QString::fromStdString(c.text))) {
      left.push_back(c);
    }
  }
  return left;
}

std::vector<ControlChange> ApplyChanges(QWidget& window,
                                        const std::vector<ControlChange>& changes) {
  std::vector<ControlChange> left;
  for (const auto& c : changes) {
    auto* widget = qobject_cast<QWidget*>(Find(window, c.control));
    if (widget == nullptr) {
      left.push_back(c);
      continue;
    }
    switch (c.property) {
      case ControlProperty::Left:
        widget->move(c.Apply(widget->x()), widget->y());
        break;
      case ControlProperty::Width: {
        const int width = c.Apply(widget->width());
        const QWidget* parent = widget->parentWidget();
        if (parent != nullptr && parent->layout() != nullptr &&
            parent->layout()->indexOf(widget) >= 0) {
          widget->setFixedWidth(width);
        }
        widget->resize(width, widget->height());
        break;
      }
      case ControlProperty::FontPoints: {
        QFont font = widget->font();
        font.setPointSize(c.Apply(font.pointSize()));
        widget->setFont(font);
        break;
      }
    }
  }
  return left;
}

void HideAndDisable(QWidget& window, const std::vector<std::string>& controls) {
  for (const auto& name : controls) {
    QObject* control = Find(window, name);
    if (auto* action = qobject_cast<QAction*>(control)) {
      action->setVisible(false);
      action->setEnabled(false);
    } else if (auto* widget = qobject_cast<QWidget*>(control)) {
      widget->setVisible(false);
      widget->setEnabled(false);
    }
  }
}

}  // namespace mqt
