#include "tbledit.h"

namespace qolvar::app {

TformTblEdit::TformTblEdit(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("formTblEdit"));
    setWindowTitle(QStringLiteral("カラーテーブル編集"));
    resize(520, 480);
}

}  // namespace qolvar::app
