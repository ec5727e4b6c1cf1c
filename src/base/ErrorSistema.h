#pragma once

#include <QString>

// The operating system's own words (QFile::errorString(), a library's message)
// come in English where the system speaks English. The common causes of a file
// that cannot be read or written are put in Spanish, wherever they appear in
// the text; any other text is left as it is.
QString ExplicaErrorSistema(const QString& sTexto);
