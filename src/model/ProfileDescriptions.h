#pragma once

#include <QString>

// The translated text behind a built-in profile's NameId or DescriptionId
// (and a few further texts of the profile chooser); an empty text for an id
// without one, 0 and negative ids included.
QString GetProfileDescription(int id);
