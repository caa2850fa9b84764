// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "automationobject.h"

#include "automationerror.h"
#include "classfactory.h"
#include "membertable.h"
#include "variant.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPluginLoader>

#include <map>
#include <vector>

namespace automation {

namespace {

// One loaded library. Objects hold it; when the last goes and the library
// says it can be unloaded, it is unloaded.
class Library {
public:
    explicit Library(const QString &path) : m_loader(path)
    {
        m_loader.setLoadHints(m_loader.loadHints() & ~QLibrary::PreventUnloadHint);
    }
    ~Library()
    {
        if (m_factory && m_factory->canUnloadNow())
            m_loader.unload();
    }
    Library(const Library &) = delete;
    Library &operator=(const Library &) = delete;

    // False when the library does not load or is no automation library;
    // why then says which.
    bool load(QString &why)
    {
        QObject *root = m_loader.instance();
        m_factory = qobject_cast<ClassFactory *>(root);
        if (!root)
            why = m_loader.errorString();
        else if (!m_factory)
            why = QStringLiteral("%1 has no class factory").arg(QDir::toNativeSeparators(m_loader.fileName()));
        return m_factory != nullptr;
    }
    ClassFactory *factory() const { return m_factory; }
    // The members of the library's classes, each class looked up once.
    MemberTables &memberTables() { return m_memberTables; }

private:
    QPluginLoader m_loader;
    ClassFactory *m_factory = nullptr;
    MemberTables m_memberTables;
};

// Libraries in use, by path. The map holds no ownership: a library lives as
// long as an object of it does.
std::map<QString, std::weak_ptr<Library>> &loadedLibraries()
{
    static std::map<QString, std::weak_ptr<Library>> libraries;
    return libraries;
}

std::shared_ptr<Library> acquireLibrary(const QString &path, QString &why)
{
    auto &libraries = loadedLibraries();
    if (auto it = libraries.find(path); it != libraries.end()) {
        if (auto lib = it->second.lock())
            return lib;
    }
    auto lib = std::make_shared<Library>(path);
    if (!lib->load(why))
        return nullptr;
    libraries[path] = lib;
    return lib;
}

bool metadataServes(const QJsonObject &metaData, const QString &progId)
{
    const QJsonArray ids =
        metaData.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("ProgIDs")).toArray();
    for (const auto &id : ids) {
        if (id.toString().compare(progId, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void raisePendingError(ErrorInfo *info)
{
    if (info) {
        int number = 0;
        QString description;
        if (info->takeError(number, description))
            throw AutomationError(number, description);
    }
}

}  // namespace

class Instance {
public:
    Instance(std::shared_ptr<Library> library, QObject *object)
        : m_library(std::move(library)),
          m_object(object),
          m_members(m_library->memberTables().of(*object->metaObject())),
          m_errorInfo(qobject_cast<ErrorInfo *>(object))
    {
    }
    ~Instance() { delete m_object; }  // the object first, then (maybe) its library
    Instance(const Instance &) = delete;
    Instance &operator=(const Instance &) = delete;

    QObject *object() const { return m_object; }
    Member member(const QString &name) const { return m_members->find(name); }
    ErrorInfo *errorInfo() const { return m_errorInfo; }

private:
    std::shared_ptr<Library> m_library;
    QObject *m_object;
    std::shared_ptr<const MemberTable> m_members;
    ErrorInfo *m_errorInfo;  // the object's error channel, or null
};

QStringList pluginFolders()
{
    const QString appDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return {QDir(appDir).filePath(QStringLiteral(NOCTALIS_BUILD_PLUGIN_DIR)),
            QDir(appDir).filePath(QStringLiteral(NOCTALIS_INSTALL_PLUGIN_DIR))};
}

QString findLibrary(const QString &progId, const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QDir dir(folder);
        const auto entries = dir.entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo &entry : entries) {
            const QString path = entry.absoluteFilePath();
            if (!QLibrary::isLibrary(path))
                continue;
            if (metadataServes(QPluginLoader(path).metaData(), progId))
                return path;
        }
    }
    return QString();
}

bool isLibraryLoaded(const QString &progId)
{
    for (const auto &[path, weak] : loadedLibraries()) {
        auto lib = weak.lock();
        if (lib && metadataServes(QPluginLoader(path).metaData(), progId))
            return true;
    }
    return false;
}

Object::Object() = default;

Object Object::create(const QString &progId) { return create(progId, pluginFolders()); }

Object Object::create(const QString &progId, const QStringList &folders)
{
    try {
        return createOrThrow(progId, folders);
    } catch (const AutomationError &) {
        return Object();
    }
}

Object Object::createOrThrow(const QString &progId) { return createOrThrow(progId, pluginFolders()); }

Object Object::createOrThrow(const QString &progId, const QStringList &folders)
{
    const auto fail = [&](const QString &why) {
        return AutomationError(kCantCreateObject,
                               QStringLiteral("%1: %2: %3").arg(errorText(kCantCreateObject), progId, why));
    };
    const QString path = findLibrary(progId, folders);
    if (path.isEmpty()) {
        QStringList searched;
        for (const QString &folder : folders)
            searched << QDir::toNativeSeparators(folder);
        throw fail(QStringLiteral("no library serves it in %1").arg(searched.join(QStringLiteral(", "))));
    }
    QString why;
    auto library = acquireLibrary(path, why);
    if (!library)
        throw fail(why);
    QObject *object = library->factory()->createInstance(progId);
    if (!object)
        throw fail(QStringLiteral("the factory of %1 refuses the class").arg(QDir::toNativeSeparators(path)));
    Object result;
    result.d = std::make_shared<Instance>(std::move(library), object);
    return result;
}

bool Object::isEmpty() const { return !d; }

QString Object::memberName(const QString &member) const
{
    if (!d)
        return QString();
    const QMetaObject *mo = d->object()->metaObject();
    const Member m = d->member(member);
    if (m.property >= 0)
        return QString::fromLatin1(mo->property(m.property).name());
    if (m.method >= 0)
        return QString::fromLatin1(mo->method(m.method).name());
    return QString();
}

QVariant Object::get(const QString &member) const
{
    if (!d)
        throw AutomationError(kObjectNotSet);
    QObject *object = d->object();
    const QMetaObject *mo = object->metaObject();
    const Member m = d->member(member);
    const int p = m.property;
    if (p < 0) {
        if (m.method >= 0)
            return const_cast<Object *>(this)->call(member);
        throw AutomationError(kMemberNotSupported);
    }
    const QVariant value = mo->property(p).read(object);
    raisePendingError(d->errorInfo());
    return value;
}

void Object::set(const QString &member, const QVariant &value)
{
    if (!d)
        throw AutomationError(kObjectNotSet);
    QObject *object = d->object();
    const QMetaObject *mo = object->metaObject();
    const int p = d->member(member).property;
    if (p < 0)
        throw AutomationError(kMemberNotSupported);
    const QMetaProperty property = mo->property(p);
    if (!property.isWritable())
        throw AutomationError(kCantAssignReadOnly);
    if (property.metaType().id() == QMetaType::QVariant) {
        property.write(object, value);
    } else {
        QVariant converted = value;
        if (!converted.convert(property.metaType()))
            throw AutomationError(kTypeMismatch);
        property.write(object, converted);
    }
    raisePendingError(d->errorInfo());
}

QVariant Object::call(const QString &member, const QVariantList &args)
{
    if (!d)
        throw AutomationError(kObjectNotSet);
    QObject *object = d->object();
    const QMetaObject *mo = object->metaObject();
    const Member m = d->member(member);
    const int index = m.method;
    if (index < 0) {
        if (m.property >= 0) {
            if (!args.isEmpty())
                throw AutomationError(kWrongArgumentCount);
            return get(member);
        }
        throw AutomationError(kMemberNotSupported);
    }
    const QMetaMethod method = mo->method(index);
    const int count = method.parameterCount();
    if (args.size() > count)
        throw AutomationError(kWrongArgumentCount);

    // Arguments in the parameters' own types; omitted ones are Missing.
    std::vector<QVariant> values;
    values.resize(size_t(count));
    for (int i = 0; i < count; ++i) {
        const QVariant given = i < args.size() ? args[i] : missing();
        const QMetaType type = method.parameterMetaType(i);
        if (type.id() == QMetaType::QVariant) {
            values[size_t(i)] = given;
            continue;
        }
        if (isMissing(given))
            throw AutomationError(kArgumentNotOptional);
        QVariant converted = type.id() == QMetaType::Double ? QVariant(toDouble(given)) : given;
        if (!converted.convert(type))
            throw AutomationError(kTypeMismatch);
        values[size_t(i)] = converted;
    }

    const QMetaType returnType = method.returnMetaType();
    const bool returnsVoid = returnType.id() == QMetaType::Void;
    QVariant result;
    QVariant returnStorage =
        (returnsVoid || returnType.id() == QMetaType::QVariant) ? QVariant() : QVariant(returnType, nullptr);
    std::vector<void *> argv(size_t(count) + 1, nullptr);
    if (returnsVoid)
        argv[0] = nullptr;
    else if (returnType.id() == QMetaType::QVariant)
        argv[0] = &result;
    else
        argv[0] = returnStorage.data();
    for (int i = 0; i < count; ++i) {
        QVariant &v = values[size_t(i)];
        argv[size_t(i) + 1] =
            method.parameterMetaType(i).id() == QMetaType::QVariant ? static_cast<void *>(&v) : v.data();
    }
    QMetaObject::metacall(object, QMetaObject::InvokeMetaMethod, index, argv.data());
    raisePendingError(d->errorInfo());
    if (!returnsVoid && returnType.id() != QMetaType::QVariant)
        result = returnStorage;
    return result;
}

}  // namespace automation
