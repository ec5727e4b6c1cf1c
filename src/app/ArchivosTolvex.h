#pragma once

#include <QString>

// The Tolvex files were named on Windows, where letter case does not matter:
// sRelativa ("DataBase/Tolvex.mdb") is looked up under sCarpeta part by part,
// an exact name first, then one that differs only in case. Empty when absent.
QString BuscaArchivo(const QString& sCarpeta, const QString& sRelativa);

// Whole-number value of sClave in section sSeccion of an INI file, both names
// compared without regard to case; nDefecto when the file, section or key is
// missing or the value is not a whole number.
int LeeEnteroIni(const QString& sRuta, const QString& sSeccion, const QString& sClave,
                 int nDefecto);
