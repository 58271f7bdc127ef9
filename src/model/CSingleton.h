#pragma once

#include <QCoreApplication>
#include <QMutex>
#include <QObject>
#include <QThread>

#include <type_traits>

// The process-wide models' GetInstance()/DeleteInstance() pair, written once.
// A model derives from CSingleton<itself> and makes the template a friend of
// its private constructor:
//
//     class CListFilters : public QObject, public CSingleton<CListFilters>
//     {
//         friend class CSingleton<CListFilters>;
//         CListFilters() = default;
//     };
//
// GetInstance() creates the object on the first call and may be called from
// any thread (image managers are built on workers too). A QObject created
// off the GUI thread still belongs to the GUI thread, which outlives every
// worker. DeleteInstance() destroys the object (outside the lock, so a
// destructor may use other singletons) and clears the pointer; the next
// GetInstance() creates a fresh one.
template <class T>
class CSingleton
{
public:
    static T* GetInstance()
    {
        const QMutexLocker locker(&Lock());
        T*& instance = Instance();
        if (!instance) {
            instance = new T();
            if constexpr (std::is_base_of_v<QObject, T>)
                AdoptByGuiThread(instance);
        }
        return instance;
    }

    static void DeleteInstance()
    {
        T* doomed = nullptr;
        {
            const QMutexLocker locker(&Lock());
            doomed = Instance();
            Instance() = nullptr;
        }
        delete doomed;
    }

protected:
    CSingleton() = default;
    ~CSingleton() = default;

private:
    static T*& Instance()
    {
        static T* instance = nullptr;
        return instance;
    }

    static QBasicMutex& Lock()
    {
        static QBasicMutex lock;
        return lock;
    }

    static void AdoptByGuiThread(QObject* object)
    {
        QCoreApplication* app = QCoreApplication::instance();
        if (app && QThread::currentThread() != app->thread())
            object->moveToThread(app->thread());
    }
};
