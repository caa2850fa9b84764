// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The two interfaces between the automation layer and a library of automation
// classes loaded as a Qt plugin.
//
// A library's plugin metadata lists the ProgIDs it serves:
//     { "ProgIDs": [ "Ephemlib.Ephemkit" ] }
// Its root object implements ClassFactory. The objects it creates expose
// their members as Q_PROPERTYs and Q_INVOKABLE methods and implement
// ErrorInfo, through which a member reports the run-time error it raised
// (members never let a C++ exception unwind through Qt's meta-object code).
#pragma once

#include <QObject>
#include <QString>

namespace automation {

class ClassFactory {
public:
    virtual ~ClassFactory() = default;
    // A new object of the class registered under progId, or nullptr when the
    // library refuses. The caller owns the object.
    virtual QObject *createInstance(const QString &progId) = 0;
    // True when no object of the library is alive, so that it may be unloaded.
    virtual bool canUnloadNow() const = 0;
};

class ErrorInfo {
public:
    virtual ~ErrorInfo() = default;
    // The run-time error raised by the last member call, if any; taking it
    // clears it.
    virtual bool takeError(int &number, QString &description) = 0;
};

}  // namespace automation

#define AutomationClassFactory_iid "org.noctalis.Automation.ClassFactory/1.0"
#define AutomationErrorInfo_iid "org.noctalis.Automation.ErrorInfo/1.0"
Q_DECLARE_INTERFACE(automation::ClassFactory, AutomationClassFactory_iid)
Q_DECLARE_INTERFACE(automation::ErrorInfo, AutomationErrorInfo_iid)
