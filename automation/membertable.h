// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The members of a class by name without regard to case: looked up in the
// class's meta-object once, then found by a hash of the case-folded name.
#pragma once

#include <QString>
#include <QStringView>

#include <cstddef>
#include <memory>
#include <mutex>
#include <unordered_map>

struct QMetaObject;

namespace automation {

// What a name stands for in one class: a property, a method, or both
// (-1 for none). Indices are those of the class's QMetaObject.
struct Member {
    int property = -1;  // the first property of that name
    int method = -1;    // of the public methods of that name, the one with the most parameters
};

// MemberTable: the names of one class's own properties and public methods
// (those of QObject left out), matched without regard to case.
//
// Notes:
//  1. Built once from the meta-object and never changed afterwards, so one
//     table can be read from several threads at once.
//  2. Lookup hashes the name's case-folded UTF-16 units without making a
//     copy of it.
class MemberTable {
public:
    explicit MemberTable(const QMetaObject &metaObject);

    Member find(QStringView name) const;  // {-1, -1} for an unknown name

private:
    struct FoldedHash {
        using is_transparent = void;
        std::size_t operator()(QStringView name) const noexcept;
    };
    struct FoldedEqual {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const noexcept;
    };
    std::unordered_map<QString, Member, FoldedHash, FoldedEqual> m_members;
};

// MemberTables: one MemberTable per class, built on the first request.
//
// Notes:
//  1. Safe to call from several threads. A table stays valid as long as a
//     shared pointer to it is held, also after this object is gone.
//  2. Keyed by the meta-object's address: the owner must not outlive the
//     code of the classes it has seen (the automation layer keeps one per
//     loaded library).
class MemberTables {
public:
    std::shared_ptr<const MemberTable> of(const QMetaObject &metaObject);

private:
    std::mutex m_mutex;
    std::unordered_map<const QMetaObject *, std::shared_ptr<const MemberTable>> m_tables;
};

}  // namespace automation
