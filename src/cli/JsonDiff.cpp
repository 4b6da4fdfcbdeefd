#include "JsonDiff.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace q716::cli {

namespace {

// A list setting as dump prints it: {"index": n, "text": t}.
bool isListValue(const QJsonValue& v) {
    if (!v.isObject())
        return false;
    const QJsonObject o = v.toObject();
    return o.size() == 2 && o.contains(QStringLiteral("index")) &&
           o.contains(QStringLiteral("text"));
}

QString quoted(const QString& text) {
    // A one-element array gives the text with JSON's quoting and escapes.
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString shown(const QJsonValue& v) {
    if (v.isUndefined())
        return QStringLiteral("(none)");
    if (v.isString())
        return quoted(v.toString());
    if (isListValue(v)) {
        const QJsonObject o = v.toObject();
        return shown(o.value(QStringLiteral("index"))) + QLatin1Char(' ') +
               shown(o.value(QStringLiteral("text")));
    }
    if (v.isDouble())
        return QString::number(v.toDouble());
    if (v.isBool())
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return QString::fromUtf8(v.isArray()
                                 ? QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact)
                                 : QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact));
}

void compare(const QString& key, const QJsonValue& a, const QJsonValue& b, QStringList& out) {
    if (a.isObject() && b.isObject() && !isListValue(a) && !isListValue(b)) {
        const QJsonObject oa = a.toObject();
        const QJsonObject ob = b.toObject();
        QStringList keys = oa.keys();
        for (const QString& k : ob.keys())
            if (!keys.contains(k))
                keys << k;
        for (const QString& k : keys)
            compare(key.isEmpty() ? k : key + QLatin1Char('.') + k, oa.value(k), ob.value(k), out);
        return;
    }
    if (a.isArray() && b.isArray()) {
        const QJsonArray aa = a.toArray();
        const QJsonArray ab = b.toArray();
        for (qsizetype i = 0; i < qMax(aa.size(), ab.size()); ++i)
            compare(QStringLiteral("%1[%2]").arg(key).arg(i),
                    i < aa.size() ? aa.at(i) : QJsonValue(QJsonValue::Undefined),
                    i < ab.size() ? ab.at(i) : QJsonValue(QJsonValue::Undefined), out);
        return;
    }
    if (a != b)
        out << QStringLiteral("%1: %2 -> %3").arg(key, shown(a), shown(b));
}

} // namespace

QStringList jsonDifferences(const QJsonObject& left, const QJsonObject& right) {
    QStringList out;
    compare(QString(), left, right, out);
    return out;
}

} // namespace q716::cli
