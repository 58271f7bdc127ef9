#include "SFilterRecord.h"

void SFilterRecord::RegisterMetaType()
{
    qRegisterMetaType<SFilterRecord>("SFilterRecord");
}
