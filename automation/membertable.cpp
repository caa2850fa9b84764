// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "membertable.h"

#include <QMetaMethod>
#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>

namespace automation {

namespace {

// QChar::toCaseFolded, without the call for ASCII (member names are ASCII).
char16_t folded(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u;
    return c.toCaseFolded().unicode();
}

}  // namespace

std::size_t MemberTable::FoldedHash::operator()(QStringView name) const noexcept
{
    // FNV-1a over the folded UTF-16 units.
    std::size_t h = 14695981039346656037ull;
    for (const QChar c : name) {
        h ^= folded(c);
        h *= 1099511628211ull;
    }
    return h;
}

bool MemberTable::FoldedEqual::operator()(QStringView a, QStringView b) const noexcept
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i]))
            return false;
    }
    return true;
}

MemberTable::MemberTable(const QMetaObject &mo)
{
    for (int i = QObject::staticMetaObject.propertyCount(); i < mo.propertyCount(); ++i) {
        Member &m = m_members[QString::fromLatin1(mo.property(i).name())];
        if (m.property < 0)
            m.property = i;
    }
    for (int i = QObject::staticMetaObject.methodCount(); i < mo.methodCount(); ++i) {
        const QMetaMethod method = mo.method(i);
        if (method.methodType() != QMetaMethod::Method || method.access() != QMetaMethod::Public)
            continue;
        Member &m = m_members[QString::fromLatin1(method.name())];
        if (m.method < 0 || method.parameterCount() > mo.method(m.method).parameterCount())
            m.method = i;
    }
}

Member MemberTable::find(QStringView name) const
{
    const auto it = m_members.find(name);
    return it == m_members.end() ? Member{} : it->second;
}

std::shared_ptr<const MemberTable> MemberTables::of(const QMetaObject &metaObject)
{
    const std::lock_guard lock(m_mutex);
    std::shared_ptr<const MemberTable> &table = m_tables[&metaObject];
    if (!table)
        table = std::make_shared<const MemberTable>(metaObject);
    return table;
}

}  // namespace automation
