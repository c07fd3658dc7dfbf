#include "BankSource.h"

#include "StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <map>

bool BankItem::operator==(const BankItem& o) const {
    return id == o.id && examNumber == o.examNumber && section == o.section &&
           multiple == o.multiple && text == o.text && choices == o.choices && key == o.key &&
           explanation == o.explanation && simulation == o.simulation && picture1 == o.picture1 &&
           picture2 == o.picture2 && memo == o.memo;
}

namespace {

const QStringList knownKeys = {"Q_ID", "Q_EXAM_N", "Q_SECT", "Q_TYPE", "Q_TEXT", "choices",
                               "key",  "Q_EXPL",   "Q_SIM",  "PICT1",  "PICT2",  "U_MEMO"};

[[noreturn]] void refuse(const QString& origin, int index, const QString& what) {
    throw StoreError(QStringLiteral("%1: item %2: %3").arg(origin).arg(index + 1).arg(what));
}

qint64 integerOf(const QJsonObject& o, const char* name, const QString& origin, int index) {
    const QJsonValue v = o.value(QLatin1String(name));
    if (!v.isDouble() || v.toDouble() != double(qint64(v.toDouble())))
        refuse(origin, index,
               QStringLiteral("\"%1\" must be a whole number").arg(QLatin1String(name)));
    return qint64(v.toDouble());
}

QString textOf(const QJsonObject& o, const char* name, const QString& origin, int index,
               bool required) {
    const QJsonValue v = o.value(QLatin1String(name));
    if (v.isUndefined() && !required)
        return QString();
    if (!v.isString())
        refuse(origin, index, QStringLiteral("\"%1\" must be a text").arg(QLatin1String(name)));
    return v.toString();
}

void writeString(QByteArray& out, const QString& text) {
    out += '"';
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'"':
            out += "\\\"";
            break;
        case u'\\':
            out += "\\\\";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20)
                out += "\\u" + QByteArray::number(u, 16).rightJustified(4, '0');
            else
                out += QString(c).toUtf8();
        }
    }
    out += '"';
}

} // namespace

namespace BankSource {

QVector<BankItem> parse(const QByteArray& json, const QString& origin) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw StoreError(QStringLiteral("%1: not valid JSON at offset %2: %3")
                             .arg(origin)
                             .arg(error.offset)
                             .arg(error.errorString()));
    if (!document.isObject() || !document.object().value(QStringLiteral("items")).isArray())
        throw StoreError(
            QStringLiteral("%1: the file must hold an object with an \"items\" list").arg(origin));
    const QJsonArray list = document.object().value(QStringLiteral("items")).toArray();
    QVector<BankItem> items;
    for (int i = 0; i < list.size(); ++i) {
        if (!list[i].isObject())
            refuse(origin, i, QStringLiteral("an item must be an object"));
        const QJsonObject o = list[i].toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            if (!knownKeys.contains(it.key()))
                refuse(origin, i, QStringLiteral("unknown key \"%1\"").arg(it.key()));
        BankItem item;
        item.origin = origin;
        item.id = integerOf(o, "Q_ID", origin, i);
        const QString where = QStringLiteral("Q_ID %1").arg(item.id);
        item.examNumber = integerOf(o, "Q_EXAM_N", origin, i);
        item.section = integerOf(o, "Q_SECT", origin, i);
        const QString type = textOf(o, "Q_TYPE", origin, i, true);
        if (type != u"single" && type != u"multiple")
            refuse(origin, i,
                   where + QStringLiteral(": Q_TYPE must be \"single\" or \"multiple\""));
        item.multiple = type == u"multiple";
        item.text = textOf(o, "Q_TEXT", origin, i, true);
        const QJsonValue choices = o.value(QStringLiteral("choices"));
        if (!choices.isArray() || choices.toArray().size() > 6)
            refuse(origin, i,
                   where + QStringLiteral(": \"choices\" must be a list of at most six texts"));
        for (const QJsonValue& c : choices.toArray()) {
            if (!c.isString())
                refuse(origin, i, where + QStringLiteral(": every choice must be a text"));
            item.choices.append(c.toString());
        }
        while (item.choices.size() < 6)
            item.choices.append(QString());
        item.key = textOf(o, "key", origin, i, true);
        for (int k = 0; k < item.key.size(); ++k) {
            const QChar letter = item.key[k];
            if (letter < u'A' || letter > u'F' || (k > 0 && item.key[k - 1] >= letter))
                refuse(origin, i,
                       where +
                           QStringLiteral(": \"key\" must list letters A..F once each, in order"));
        }
        item.explanation = textOf(o, "Q_EXPL", origin, i, true);
        item.simulation = textOf(o, "Q_SIM", origin, i, false);
        item.picture1 = textOf(o, "PICT1", origin, i, false);
        item.picture2 = textOf(o, "PICT2", origin, i, false);
        item.memo = textOf(o, "U_MEMO", origin, i, false);
        items.append(item);
    }
    return items;
}

QVector<BankItem> read(const QString& path) {
    QStringList files;
    const QFileInfo info(path);
    if (info.isDir()) {
        const QDir folder(path);
        for (const QString& name :
             folder.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
            files.append(folder.filePath(name));
        if (files.isEmpty())
            throw StoreError(QStringLiteral("%1: the folder holds no .json file").arg(path));
    } else {
        files.append(path);
    }
    QVector<BankItem> items;
    for (const QString& file : files) {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly))
            throw StoreError(QStringLiteral("%1: cannot be read: %2").arg(file, in.errorString()));
        items += parse(in.readAll(), QFileInfo(file).fileName());
    }
    return items;
}

QByteArray write(const QVector<BankItem>& items) {
    QByteArray out = "{\n  \"items\": [";
    for (int i = 0; i < items.size(); ++i) {
        const BankItem& item = items[i];
        out += i ? ",\n    {\n" : "\n    {\n";
        auto field = [&out](const char* name, const QByteArray& value, bool last = false) {
            out += "      \"" + QByteArray(name) + "\": " + value + (last ? "\n" : ",\n");
        };
        auto string = [](const QString& text) {
            QByteArray s;
            writeString(s, text);
            return s;
        };
        field("Q_ID", QByteArray::number(item.id));
        field("Q_EXAM_N", QByteArray::number(item.examNumber));
        field("Q_SECT", QByteArray::number(item.section));
        field("Q_TYPE", item.multiple ? "\"multiple\"" : "\"single\"");
        field("Q_TEXT", string(item.text));
        int used = 6;
        while (used > 0 && item.choices.value(used - 1).isEmpty())
            --used;
        QByteArray choices = "[";
        for (int c = 0; c < used; ++c)
            choices += (c ? ", " : "") + string(item.choices[c]);
        field("choices", choices + ']');
        field("key", string(item.key));
        QList<std::pair<const char*, QString>> optional = {{"Q_SIM", item.simulation},
                                                           {"PICT1", item.picture1},
                                                           {"PICT2", item.picture2},
                                                           {"U_MEMO", item.memo}};
        optional.removeIf([](const auto& entry) { return entry.second.isEmpty(); });
        field("Q_EXPL", string(item.explanation), optional.isEmpty());
        for (int k = 0; k < optional.size(); ++k)
            field(optional[k].first, string(optional[k].second), k == optional.size() - 1);
        out += "    }";
    }
    out += items.isEmpty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

QStringList problems(const QVector<BankItem>& items, const QString& pictureFolder) {
    QStringList found;
    std::map<qint64, const BankItem*> byId;
    for (const BankItem& item : items) {
        const QString where = QStringLiteral("%1: Q_ID %2: ").arg(item.origin).arg(item.id);
        const auto [it, inserted] = byId.emplace(item.id, &item);
        if (!inserted)
            found << where + QStringLiteral("the Q_ID is used twice (also in %1)")
                                 .arg(it->second->origin);
        if (item.section < 1 || item.section > 6)
            found << where + QStringLiteral("section %1 is outside 1..6").arg(item.section);
        if (item.examNumber < 0 || item.examNumber > 6)
            found << where +
                         QStringLiteral("practice exam %1 is outside 0..6").arg(item.examNumber);
        if (!item.simulation.isEmpty()) {
            if (item.key != u"F")
                found << where + QStringLiteral("a simulation item must have the key F alone");
        } else {
            if (!item.multiple && item.key.size() != 1)
                found << where + QStringLiteral(
                                     "a single-response item must have exactly one keyed choice");
            for (int c = 0; c < 6; ++c)
                if (item.keyed(c) && item.choices[c].isEmpty())
                    found << where + QStringLiteral("choice %1 is keyed but empty")
                                         .arg(QChar(u'A' + c));
        }
        for (const QString& picture : {item.picture1, item.picture2})
            if (!picture.isEmpty() && !pictureFolder.isEmpty() &&
                !QFileInfo(QDir(pictureFolder).filePath(picture)).isFile())
                found << where + QStringLiteral("the exhibit file %1 does not exist in %2")
                                     .arg(picture, QDir::toNativeSeparators(pictureFolder));
    }
    qint64 expected = 1;
    for (const auto& [id, item] : byId) {
        if (id < expected || id > expected) {
            if (id > expected)
                found << QStringLiteral("%1: Q_ID %2: the Q_IDs %3..%4 are missing; they must run "
                                        "1..N without gaps")
                             .arg(item->origin)
                             .arg(id)
                             .arg(expected)
                             .arg(id - 1);
            else
                found << QStringLiteral("%1: Q_ID %2: Q_IDs start at 1").arg(item->origin).arg(id);
        }
        expected = id + 1;
    }
    return found;
}

} // namespace BankSource
