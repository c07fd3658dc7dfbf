#pragma once

#include <QString>
#include <exception>

// The one error type of the program's components: its text is what the candidate reads in
// the error box, so it names the file and says in plain words what is wrong.
class StoreError : public std::exception {
public:
    explicit StoreError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}

    const QString& text() const noexcept { return m_text; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};
