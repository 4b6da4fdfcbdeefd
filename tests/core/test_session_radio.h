#pragma once
// A radio answering the session engine in memory, and a driver that carries a
// session's actions out: Sends reach the radio, the radio's replies come back
// in pieces of a chosen size, timers are ticked by hand.

#include "link/Session.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace q716::testing {

class FakeHost : public SessionHost {
  public:
    QString image;
    QString passwordBox;
    QString password;
    bool debug = false;
    bool admin = false;
    int language = 1;
    QList<QString> loaded;

    QString buildImage() override { return image; }
    void loadImage(const QString& readHex) override { loaded.append(readHex); }
    QString passwordBoxText() const override { return passwordBox; }
    QString commPassword() const override { return password; }
    bool debugUnlocked() const override { return debug; }
    bool adminMode() const override { return admin; }
    int languageCode() const override { return language; }
};

class FakeRadio {
  public:
    QByteArray memory = QByteArray(0x1000, char(0xFF));
    QList<QByteArray> received;
    bool silent = false;
    int addressOffset = 0;    // added to the address of read replies
    int replyLengthByte = -1; // replaces the length byte of read replies
    int dropReplyData = 0;    // data bytes left off read replies

    QByteArray answer(const QByteArray& m) {
        received.append(m);
        if (silent || m.isEmpty())
            return {};
        const uchar first = uchar(m.at(0));
        if (m == "TQ-PROG" || first == 0x06)
            return QByteArray(1, 0x06);
        if (first == 0x02)
            return QByteArray::fromHex("0056525137310000");
        if (first == 0x52) {
            const int address = (uchar(m.at(1)) << 8) | uchar(m.at(2));
            const int length = uchar(m.at(3));
            const int replyAddress = address + addressOffset;
            QByteArray r;
            r.append(char(0x57));
            r.append(char(replyAddress >> 8));
            r.append(char(replyAddress & 0xFF));
            r.append(char(replyLengthByte >= 0 ? replyLengthByte : length));
            r.append(memory.mid(address, length - dropReplyData));
            return r;
        }
        if (first == 0x57) {
            const int address = (uchar(m.at(1)) << 8) | uchar(m.at(2));
            memory.replace(address, m.size() - 4, m.mid(4));
            return QByteArray(1, 0x06);
        }
        return {};
    }
};

// Carries the actions out the way a window would, and remembers them.
struct Driver {
    Driver(Session& s, FakeRadio& r, int piece = 1) : session(s), radio(r), pieceSize(piece) {}

    Session& session;
    FakeRadio& radio;
    int pieceSize;
    SessionActions all;
    QList<Message> messages;

    void apply(const SessionActions& actions) {
        for (const SessionAction& a : actions) {
            all.append(a);
            if (a.kind == SessionAction::ShowMessage)
                messages.append(a.message);
            if (a.kind == SessionAction::LoadImage)
                session.host().loadImage(a.text);
            if (a.kind != SessionAction::Send)
                continue;
            deliver(radio.answer(a.bytes));
        }
    }

    void deliver(const QByteArray& reply) {
        for (int i = 0; i < reply.size(); i += pieceSize)
            apply(session.bytesReceived(reply.mid(i, pieceSize)));
    }

    void tick1(int n = 1) {
        for (int i = 0; i < n; ++i)
            apply(session.timer1Tick());
    }
    void tick2(int n = 1) {
        for (int i = 0; i < n; ++i)
            apply(session.timer2Tick());
    }

    QList<QByteArray> sent() const {
        QList<QByteArray> s;
        for (const SessionAction& a : all)
            if (a.kind == SessionAction::Send)
                s.append(a.bytes);
        return s;
    }
    bool has(SessionAction::Kind kind) const {
        for (const SessionAction& a : all)
            if (a.kind == kind)
                return true;
        return false;
    }
};

} // namespace q716::testing
