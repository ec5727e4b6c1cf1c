#pragma once

#include <QList>
#include <QString>

namespace backoffice {

// Word lists for plausible client names.
const QList<QString>& NombresPila();
const QList<QString>& Apellidos();
const QList<QString>& NombresExtranjeros();
const QList<QString>& ApellidosExtranjeros();
const QList<QString>& GirosEmpresa();     // first words of a company name
const QList<QString>& NucleosEmpresa();   // middle words
const QList<QString>& SociedadesMx();     // legal-form endings
const QList<QString>& SociedadesExtr();

}  // namespace backoffice
