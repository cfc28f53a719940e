<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ChooserDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ComparisonChart</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2; change from the first to the last: %3.</source>
        <translation>%1: %2; cambio del primero al último: %3.</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>Gráfico comparativo</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file could not be opened.

%1

%2</source>
        <translation>No se ha podido abrir el archivo de ayuda.

%1

%2</translation>
    </message>
    <message>
        <source>The help file is not UTF-8 text.

%1: line %2</source>
        <translation>El archivo de ayuda no es texto UTF-8.

%1: línea %2</translation>
    </message>
    <message>
        <source>Orvane Personality Test Help</source>
        <translation>Ayuda del Test de personalidad Orvane</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The words of the evaluation in this language are faulty; the evaluation uses English words.
%1: line %2: %3</source>
        <translation>Las palabras de la evaluación en este idioma contienen errores; la evaluación usa las palabras en inglés.
%1: línea %2: %3</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Orvane Personality Test</source>
        <translation>Test de personalidad Orvane</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>No se ha encontrado el archivo.</translation>
    </message>
    <message>
        <source>Make a choice before pressing Process</source>
        <translation>Elija una respuesta antes de hacer clic en «Continuar»</translation>
    </message>
    <message>
        <source>E01: Invalid Database File</source>
        <translation>E01: Archivo de base de datos no válido</translation>
    </message>
    <message>
        <source>E01A: Invalid Database Contents.</source>
        <translation>E01A: Contenido de la base de datos no válido.</translation>
    </message>
    <message>
        <source>E02B: Invalid Database Contents.</source>
        <translation>E02B: Contenido de la base de datos no válido.</translation>
    </message>
    <message>
        <source>E02: Invalid Database Contents</source>
        <translation>E02: Contenido de la base de datos no válido</translation>
    </message>
    <message>
        <source>E03: Invalid Database Contents</source>
        <translation>E03: Contenido de la base de datos no válido</translation>
    </message>
    <message>
        <source>E03B: Invalid Database Contents.</source>
        <translation>E03B: Contenido de la base de datos no válido.</translation>
    </message>
    <message>
        <source>E04: Invalid Database Text.</source>
        <translation>E04: Texto de la base de datos no válido.</translation>
    </message>
    <message>
        <source>No file was selected OR invalid file name was input.</source>
        <translation>No se ha seleccionado ningún archivo o el nombre de archivo escrito no es válido.</translation>
    </message>
    <message>
        <source>File could not be saved.</source>
        <translation>No se ha podido guardar el archivo.</translation>
    </message>
    <message>
        <source>There are no previously saved files.</source>
        <translation>No hay archivos guardados anteriormente.</translation>
    </message>
    <message>
        <source>No file was selected.</source>
        <translation>No se ha seleccionado ningún archivo.</translation>
    </message>
    <message>
        <source>File could not be opened.</source>
        <translation>No se ha podido abrir el archivo.</translation>
    </message>
    <message>
        <source>End of file during Load</source>
        <translation>Final de archivo inesperado al cargar</translation>
    </message>
    <message>
        <source>Would you like to save your responses?</source>
        <translation>¿Desea guardar sus respuestas?</translation>
    </message>
    <message>
        <source>Save responses?</source>
        <translation>¿Guardar las respuestas?</translation>
    </message>
    <message>
        <source>Select a test before pressing START</source>
        <translation>Seleccione un test antes de hacer clic en «Comenzar»</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>These two results are of different tests, whose scales differ, so they can&apos;t be compared.</source>
        <translation>Estos dos resultados son de tests distintos, con escalas diferentes, por lo que no se pueden comparar.</translation>
    </message>
    <message>
        <source>No printer is available. The evaluation was not printed.</source>
        <translation>No hay ninguna impresora disponible. La evaluación no se ha impreso.</translation>
    </message>
    <message>
        <source>The evaluation could not be printed.</source>
        <translation>No se ha podido imprimir la evaluación.</translation>
    </message>
    <message>
        <source>This result could not be kept. Its evaluation is shown and can still be printed or saved as PDF.</source>
        <translation>No se ha podido conservar este resultado. Su evaluación se muestra y todavía puede imprimirse o guardarse como PDF.</translation>
    </message>
    <message>
        <source>No printer is available. The profile was not printed.</source>
        <translation>No hay ninguna impresora disponible. El perfil no se ha impreso.</translation>
    </message>
    <message>
        <source>The profile could not be printed.</source>
        <translation>No se ha podido imprimir el perfil.</translation>
    </message>
    <message>
        <source>The result could not be deleted.</source>
        <translation>No se ha podido eliminar el resultado.</translation>
    </message>
    <message>
        <source>The PDF file could not be saved. Nothing was written; please choose another folder or name.</source>
        <translation>No se ha podido guardar el archivo PDF. No se ha escrito nada; elija otra carpeta u otro nombre.</translation>
    </message>
    <message>
        <source>This result has been kept on this computer, in %1, so that it can be shown and compared later. To stop keeping results, switch off &quot;Keep results&quot; in the Results menu of the main window.</source>
        <translation>Este resultado se ha conservado en este equipo, en %1, para poder mostrarlo y compararlo más adelante. Para dejar de conservar resultados, desactive «Conservar resultados» en el menú «Resultados» de la ventana principal.</translation>
    </message>
    <message>
        <source>The copy could not be saved. Nothing was written; please choose another folder or name.</source>
        <translation>No se ha podido guardar la copia. No se ha escrito nada; elija otra carpeta u otro nombre.</translation>
    </message>
    <message>
        <source>The CSV file could not be saved. Nothing was written; please choose another folder or name.</source>
        <translation>No se ha podido guardar el archivo CSV. No se ha escrito nada; elija otra carpeta u otro nombre.</translation>
    </message>
    <message>
        <source>Save a copy</source>
        <translation>Guardar una copia</translation>
    </message>
    <message>
        <source>Results (*.result)</source>
        <translation>Resultados (*.result)</translation>
    </message>
    <message>
        <source>Export all as CSV</source>
        <translation>Exportar todo como CSV</translation>
    </message>
    <message>
        <source>kept-results.csv</source>
        <translation>resultados-conservados.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The copy could not be kept. The list is as it was.</source>
        <translation>No se ha podido conservar la copia. La lista sigue como estaba.</translation>
    </message>
    <message>
        <source>Open a result file</source>
        <translation>Abrir un archivo de resultado</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>no name</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>Result of %1</source>
        <translation>Resultado de %1</translation>
    </message>
    <message>
        <source>Earlier result (paler bars): %1. Later result: %2.</source>
        <translation>Resultado anterior (barras más claras): %1. Resultado posterior: %2.</translation>
    </message>
</context>
<context>
    <name>ProfileChart</name>
    <message>
        <source>Profile chart</source>
        <translation>Gráfico del perfil</translation>
    </message>
</context>
<context>
    <name>ScaleMeaningPane</name>
    <message>
        <source>Some explanations of the results in this language could not be read from its help; they are shown in English.</source>
        <translation>Algunas explicaciones de los resultados en este idioma no se han podido leer de su ayuda; se muestran en inglés.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Orvane Software banner</source>
        <translation>Banner de Orvane Software</translation>
    </message>
    <message>
        <source>Orvane Personality Tests</source>
        <translation>Tests de personalidad Orvane</translation>
    </message>
    <message>
        <source>Portrait of the author</source>
        <translation>Retrato del autor</translation>
    </message>
    <message>
        <source>Written by the Orvane design team</source>
        <translation>Escrito por el equipo de diseño de Orvane</translation>
    </message>
</context>
<context>
    <name>frmComparison</name>
    <message>
        <source>Compared figures</source>
        <translation>Cifras comparadas</translation>
    </message>
    <message>
        <source>Comparison - %1</source>
        <translation>Comparación - %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>frmEval</name>
    <message>
        <source>Personality Evaluation</source>
        <translation>Evaluación de la personalidad</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>&amp;What does this mean?</source>
        <translation>¿&amp;Qué significa esto?</translation>
    </message>
    <message>
        <source>What does this mean?</source>
        <translation>¿Qué significa esto?</translation>
    </message>
    <message>
        <source>Opens the help at what the verdicts mean</source>
        <translation>Abre la ayuda en el significado de los resultados</translation>
    </message>
    <message>
        <source>%1 - This result is kept</source>
        <translation>%1 - Este resultado se ha conservado</translation>
    </message>
    <message>
        <source>%1 - This result is not kept</source>
        <translation>%1 - Este resultado no se ha conservado</translation>
    </message>
</context>
<context>
    <name>frmInstr</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Click on &quot;Introduction to Personality Analysis&quot; to learn how personality attributes can influence realtionships.</source>
        <translation>Haga clic en «Introducción al análisis de la personalidad» para saber cómo pueden influir los atributos de la personalidad en las relaciones.</translation>
    </message>
    <message>
        <source>This program determines your personality attributes by asking questions about your feelings and beliefs.  An evaluation is provided at the end of each test.  Analysis of the results can give you insights about how other persons perceive you and your actions. </source>
        <translation>Este programa determina los atributos de su personalidad mediante preguntas sobre sus sentimientos y creencias.  Al final de cada test recibirá una evaluación.  El análisis de los resultados puede ayudarle a entender cómo perciben los demás su persona y sus actos. </translation>
    </message>
</context>
<context>
    <name>frmLoad</name>
    <message>
        <source>Select a file to load</source>
        <translation>Seleccione un archivo para cargar</translation>
    </message>
    <message>
        <source>Select a File:</source>
        <translation>Seleccione un archivo:</translation>
    </message>
</context>
<context>
    <name>frmProfile</name>
    <message>
        <source>Profile figures</source>
        <translation>Cifras del perfil</translation>
    </message>
    <message>
        <source>Profile - %1</source>
        <translation>Perfil - %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Strongest first</source>
        <translation>&amp;Más marcadas primero</translation>
    </message>
    <message>
        <source>What the scale in focus means</source>
        <translation>Qué significa la escala seleccionada</translation>
    </message>
    <message>
        <source>Keep a copy</source>
        <translation>Conservar una copia</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Conservado</translation>
    </message>
</context>
<context>
    <name>frmResults</name>
    <message>
        <source>%1 (not a readable result)</source>
        <translation>%1 (no es un resultado legible)</translation>
    </message>
    <message>
        <source>Kept Results - %1</source>
        <translation>Resultados conservados - %1</translation>
    </message>
    <message>
        <source>Kept results</source>
        <translation>Resultados conservados</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No results have been kept yet. A result is kept each time a test ends.</source>
        <translation>Todavía no se ha conservado ningún resultado. Cada vez que termina un test, se conserva su resultado.</translation>
    </message>
    <message>
        <source>Kept results, newest first:</source>
        <translation>Resultados conservados, del más reciente al más antiguo:</translation>
    </message>
    <message>
        <source>%1 is not a readable result. It is left as it is.</source>
        <translation>%1 no es un resultado legible. Se deja tal como está.</translation>
    </message>
    <message>
        <source>Delete the result of the %1 that ended %2? Its file is removed for good.</source>
        <translation>¿Eliminar el resultado del «%1» finalizado el %2? Su archivo se borrará definitivamente.</translation>
    </message>
    <message>
        <source>Save a copy…</source>
        <translation>Guardar una copia…</translation>
    </message>
    <message>
        <source>Export all as CSV…</source>
        <translation>Exportar todo como CSV…</translation>
    </message>
    <message>
        <source>Delete all kept results…</source>
        <translation>Eliminar todos los resultados conservados…</translation>
    </message>
    <message>
        <source>Open a result file…</source>
        <translation>Abrir un archivo de resultado…</translation>
    </message>
    <message>
        <source>No results are kept: &quot;Keep results&quot; is switched off in the Results menu of the main window.</source>
        <translation>No se conserva ningún resultado: «Conservar resultados» está desactivado en el menú «Resultados» de la ventana principal.</translation>
    </message>
    <message>
        <source>The folder of the kept results also holds files that are not results: %1. They are left as they are.</source>
        <translation>La carpeta de los resultados conservados contiene también archivos que no son resultados: %1. Se dejan tal como están.</translation>
    </message>
    <message>
        <source>Delete the one kept result? Its file is removed for good.</source>
        <translation>¿Eliminar el único resultado conservado? Su archivo se borrará definitivamente.</translation>
    </message>
    <message>
        <source>Delete all %1 kept results? Their files are removed for good.</source>
        <translation>¿Eliminar los %1 resultados conservados? Sus archivos se borrarán definitivamente.</translation>
    </message>
    <message>
        <source>Kept results deleted: %1. These files could not be removed: %2.</source>
        <translation>Resultados conservados eliminados: %1. No se han podido borrar estos archivos: %2.</translation>
    </message>
    <message>
        <source>Name…</source>
        <translation>Nombre…</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Whose result is this? A name such as &quot;Me&quot;, &quot;Anna&quot; or a pseudonym, or nothing for none:</source>
        <translation>¿De quién es este resultado? Un nombre como «Yo», «Ana» o un seudónimo, o nada para dejarlo sin nombre:</translation>
    </message>
    <message>
        <source>A name has at most %1 characters and no line breaks or tabs. The result was not changed.</source>
        <translation>Un nombre tiene como máximo %1 caracteres, sin saltos de línea ni tabuladores. El resultado no se ha modificado.</translation>
    </message>
    <message>
        <source>The result could not be named. It was not changed.</source>
        <translation>No se ha podido poner nombre al resultado. No se ha modificado.</translation>
    </message>
    <message>
        <source>Select a result to show or delete it, or two to six results of one test to compare them.</source>
        <translation>Seleccione un resultado para mostrarlo o eliminarlo, o de dos a seis resultados del mismo test para compararlos.</translation>
    </message>
    <message>
        <source>These results are of different tests, whose scales differ, so they can&apos;t be compared.</source>
        <translation>Estos resultados son de tests distintos, con escalas diferentes, por lo que no se pueden comparar.</translation>
    </message>
    <message>
        <source>At most six results can be compared at once.</source>
        <translation>Se pueden comparar como máximo seis resultados a la vez.</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>Select a file name for Saving Results</source>
        <translation>Seleccione un nombre de archivo para guardar las respuestas</translation>
    </message>
    <message>
        <source>Select or Type a File Name:</source>
        <translation>Seleccione o escriba un nombre de archivo:</translation>
    </message>
</context>
<context>
    <name>frmTest</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Goes back to the question answered last, to change its answer</source>
        <translation>Vuelve a la última pregunta respondida para cambiar su respuesta</translation>
    </message>
    <message>
        <source>Back to the question answered last (Alt+Left)</source>
        <translation>Volver a la última pregunta respondida (Alt+Flecha izquierda)</translation>
    </message>
    <message>
        <source>I disagree</source>
        <translation>No estoy de acuerdo</translation>
    </message>
    <message>
        <source>I moderately agree</source>
        <translation>Estoy algo de acuerdo</translation>
    </message>
    <message>
        <source>I strongly agree</source>
        <translation>Estoy totalmente de acuerdo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>QUIT</source>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>Questions remaining %1</source>
        <translation>Preguntas restantes %1</translation>
    </message>
    <message>
        <source>Question No. %1</source>
        <translation>Pregunta n.º %1</translation>
    </message>
    <message>
        <source>Total Questions: %1</source>
        <translation>Total de preguntas: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The status lines, then the question. A status line that ends in a colon and its number reads better with another mark before the question.</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>frmTestMain</name>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Resultados</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Idio&amp;ma</translation>
    </message>
    <message>
        <source>Introduction to Personality Analysis</source>
        <translation>Introducción al análisis de la personalidad</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Comenzar</translation>
    </message>
    <message>
        <source>Test of Interpersonal and Social Attributes</source>
        <translation>Test de atributos interpersonales y sociales</translation>
    </message>
    <message>
        <source>Test of Individual Attributes</source>
        <translation>Test de atributos individuales</translation>
    </message>
    <message>
        <source>Select a Test and press START</source>
        <translation>Seleccione un test y haga clic en «Comenzar»</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Idioma del escritorio</translation>
    </message>
    <message>
        <source>The choice of language could not be saved.</source>
        <translation>No se ha podido guardar el idioma elegido.</translation>
    </message>
    <message>
        <source>From the next start the program will use: %1.</source>
        <translation>A partir del próximo inicio, el programa usará: %1.</translation>
    </message>
    <message>
        <source>&amp;Kept Results…</source>
        <translation>Resultados &amp;conservados…</translation>
    </message>
    <message>
        <source>Keep &amp;results</source>
        <translation>Conservar &amp;resultados</translation>
    </message>
    <message>
        <source>The choice could not be saved.</source>
        <translation>No se ha podido guardar la elección.</translation>
    </message>
</context>
</TS>
