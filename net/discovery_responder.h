#pragma once

#include "net/answer_budget.h"
#include "net/discovery_datagram.h"
#include "net/discovery_scope.h"

#include <QElapsedTimer>
#include <QObject>
#include <QUdpSocket>

#include <functional>

// Answers the discovery queries of players on the network while this side
// waits for an opponent. Only queries of our own format are answered, a few
// a second at most; anything else is dropped without a word.
class CDiscoveryResponder : public QObject {
    Q_OBJECT
public:
    // `describe` tells who waits where at the moment of each answer.
    using Describe = std::function<sDiscoveryAnswer()>;

    CDiscoveryResponder(const sDiscoveryScope& scope, Describe describe, QObject* parent = nullptr);

    // False when the port could not be had; nobody finds this side then.
    bool IsBound() const { return socket_.state() == QAbstractSocket::BoundState; }
    int AnswersSent() const { return answersSent_; }

private:
    void Read();

    sDiscoveryScope scope_;
    Describe describe_;
    QUdpSocket socket_;
    CAnswerBudget budget_;
    QElapsedTimer clock_;
    int answersSent_ = 0;
};
