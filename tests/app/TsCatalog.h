#pragma once

#include <QHash>
#include <QString>

// The finished translations of a translators' file (.ts), by context and
// source text, as the start tests compare the window with them.
class TsCatalog
{
public:
    // False when the file cannot be read or is not well-formed.
    bool Load(const QString& path);
    // The translation, or a null text when the file has none (or only an
    // unfinished one). Numerus messages are left out.
    QString Find(const QString& context, const QString& source) const;
    int Size() const { return int(texts.size()); }

    // The file of a language code: the English one the build makes, the
    // others from resources/translations.
    static QString PathOf(const QString& code);

private:
    QHash<QString, QString> texts;
};
