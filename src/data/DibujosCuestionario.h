#pragma once

class TReporte;

// The eight questionnaire pictures: question statements and answer tables, drawn as
// vectors with their cells under the template's answer memos. Registered by name on the
// report; the template's pictures name them.
void RegistraDibujosCuestionario(TReporte& Reporte);
