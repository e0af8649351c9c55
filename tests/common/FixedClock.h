#pragma once

#include "store/Clock.h"

class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDate today) : m_today(today) {}
    QDate today() const override { return m_today; }
    void set(QDate today) { m_today = today; }

private:
    QDate m_today;
};
