// A top-level window built from its record: every control from its own record, the lines
// painted on the window's surface.
#pragma once

#include <QWidget>
#include <string_view>

#include "runtime/control_record.h"

namespace gavrento::qt {

class FormWindow : public QWidget {
  Q_OBJECT

 public:
  explicit FormWindow(const WindowRecord& record);

  const WindowRecord& Record() const { return record_; }

  // The control made from the record of this name; null when there is none.
  QWidget* Control(std::string_view name) const;

  // The control that takes the focus first: the lowest tab index.
  QWidget* FirstInTabOrder() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void CreateControls();
  void ApplyTextColours();
  void ChainTabOrder();

  const WindowRecord& record_;
};

}  // namespace gavrento::qt
