#include "log/txledger.h"

#include <algorithm>

void TxLedger::queued(qint64 payloadBytes, qint64 countedBytes)
{
    if (payloadBytes > 0) {
        m_entries.push_back({payloadBytes, countedBytes, payloadBytes});
    }
}

void TxLedger::written(qint64 payloadBytes)
{
    while (payloadBytes > 0 && !m_entries.empty()) {
        Entry& front = m_entries.front();
        const qint64 taken = std::min(payloadBytes, front.waiting);
        front.waiting -= taken;
        payloadBytes -= taken;
        if (front.waiting == 0) {
            m_entries.pop_front();
        }
    }
}

qint64 TxLedger::discarded(qint64 payloadBytes)
{
    qint64 counted = 0;
    for (auto it = m_entries.rbegin(); it != m_entries.rend() && payloadBytes > 0; ++it) {
        const qint64 lost = std::min(payloadBytes, it->waiting);
        counted += lost == it->payload ? it->counted : it->counted * lost / it->payload;
        payloadBytes -= lost;
    }
    m_entries.clear();
    return counted;
}
