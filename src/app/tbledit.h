// The colour table editor window.
#pragma once

#include <QMainWindow>

namespace qolvar::app {

class TformTblEdit : public QMainWindow {
    Q_OBJECT
public:
    explicit TformTblEdit(QWidget* parent = nullptr);
};

}  // namespace qolvar::app
