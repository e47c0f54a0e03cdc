#include "widgets/accessible.h"

#include <QCoreApplication>
#include <QWidget>

namespace qolvar::app {

void SetAccessible(QWidget* control, const QString& name, const QString& description)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

void Describe(QWidget* control, const char* name, const char* description)
{
    SetAccessible(control, QCoreApplication::translate("Accessible", name),
                  QCoreApplication::translate("Accessible", description));
}

}  // namespace qolvar::app
