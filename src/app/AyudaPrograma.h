#pragma once

#include <QString>

// Every text the program prints about how to call it, kept together: a new
// command or option adds its lines here.

// The short synopsis of every command, printed with usage errors.
QString TextoUso();

// `--help`: the synopsis, what each option means and the exit statuses.
QString TextoAyuda();

// `--version`.
QString TextoVersion();

// A usage error: what is wrong, the synopsis and where to read more.
QString TextoErrorUso(const QString& sError);
