#pragma once

#include <QList>
#include <QString>

// Contents of a composed e-mail message.
struct SEmailRecord
{
    QString from; // not used in the message
    QString to;
    QString subject;
    QString body;
    QList<QString> attachments; // paths, in the order of the parts
};
