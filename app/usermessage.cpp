#include "usermessage.h"

#include "identity.h"

#include <QMessageBox>

std::unique_ptr<QMessageBox> createMessageBox(const UserMessage &message, QWidget *parent)
{
    const QMessageBox::Icon icon = message.kind == UserMessage::Kind::Fault
                                       ? QMessageBox::Critical
                                       : QMessageBox::NoIcon;
    return std::make_unique<QMessageBox>(icon, QString::fromUtf8(dividra::identity::kApplicationTitle),
                                         message.text, QMessageBox::Ok, parent);
}
