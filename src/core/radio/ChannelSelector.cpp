#include "ChannelSelector.h"

ChannelSelector::ChannelSelector(int rows, QObject *parent) : QObject(parent), m_rows(rows) {}

void ChannelSelector::previous()
{
    select(m_row - 1 < 1 ? m_rows : m_row - 1);
}

void ChannelSelector::next()
{
    select(m_row + 1 > m_rows ? 1 : m_row + 1);
}

void ChannelSelector::select(int row)
{
    m_row = row;
    emit tuned(m_row);
}
