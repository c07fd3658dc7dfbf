#pragma once

#include <QString>
#include <QStringList>

// A named table session. Tables opened through it are keyed with the passwords registered
// here, tried in the order they were added.
class Session {
public:
    explicit Session(QString name) : m_name(std::move(name)) {}

    const QString& name() const { return m_name; }
    void addPassword(const QString& password) {
        if (!m_passwords.contains(password))
            m_passwords.append(password);
    }
    const QStringList& passwords() const { return m_passwords; }

private:
    QString m_name;
    QStringList m_passwords;
};
