#pragma once

#include "CSingleton.h"

#include <QObject>

// Facts of the primary screen, read once when first asked for.
class CHardwareProfile : public QObject, public CSingleton<CHardwareProfile>
{
    Q_OBJECT
public:
    bool IsRetina() const { return retina; }

    quint16 screenWidth = 0;
    quint16 screenHeight = 0;
    quint8 colorDepth = 0;
    quint16 refreshRate = 0;
    bool retina = false;

private:
    friend class CSingleton<CHardwareProfile>;
    CHardwareProfile();
};
