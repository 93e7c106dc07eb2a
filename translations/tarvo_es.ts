<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CardCanvas</name>
    <message>
        <source>My Goal</source>
        <translation>Mi objetivo</translation>
    </message>
</context>
<context>
    <name>KestrelFile</name>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB.</source>
        <translation>Ocupa más de %1 MB.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>El archivo es de solo lectura.</translation>
    </message>
</context>
<context>
    <name>SchedulePanel</name>
    <message>
        <source>Project start:</source>
        <translation>Inicio del proyecto:</translation>
    </message>
    <message>
        <source>Working week:</source>
        <translation>Semana laboral:</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Prepare &amp;Calendar</source>
        <translation>Preparar &amp;calendario</translation>
    </message>
    <message>
        <source>Convert Items to &amp;List</source>
        <translation>Convertir elementos en &amp;lista</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>Imp&amp;rimir</translation>
    </message>
    <message>
        <source>Remove &amp;Selected</source>
        <translation>Quitar &amp;seleccionados</translation>
    </message>
    <message>
        <source>Remove I&amp;tems</source>
        <translation>Quitar elemen&amp;tos</translation>
    </message>
    <message>
        <source>Export CS&amp;V...</source>
        <translation>Exportar CS&amp;V...</translation>
    </message>
    <message>
        <source>Export &amp;iCalendar...</source>
        <translation>Exportar &amp;iCalendar...</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Press Enter to add the Sub-Goal to the dashboard.</source>
        <translation>Pulse Intro para añadir el subobjetivo.</translation>
    </message>
    <message>
        <source>Project Tasks:</source>
        <translation>Tareas del proyecto:</translation>
    </message>
    <message>
        <source>Enter 1 Task Per Line. Each Task Must Have at least 2 chararcters.</source>
        <translation>Escriba una tarea por línea. Cada tarea debe tener al menos 2 caracteres.</translation>
    </message>
    <message>
        <source>Due Date:</source>
        <translation>Vence:</translation>
    </message>
    <message>
        <source>Enable &quot;Due Date&quot;</source>
        <translation>Activar &quot;Fecha límite&quot;</translation>
    </message>
</context>
<context>
    <name>SubGoalCard</name>
    <message>
        <source>Goal</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Delete this sub-goal</source>
        <translation>Eliminar este subobjetivo</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>My Goal</source>
        <translation>Mi objetivo</translation>
    </message>
    <message>
        <source>New Project (No Filename)</source>
        <translation>Proyecto nuevo (sin nombre de archivo)</translation>
    </message>
    <message>
        <source>Open the projects folder</source>
        <translation>Abrir la carpeta de proyectos</translation>
    </message>
    <message>
        <source>Main Goal:</source>
        <translation>Objetivo principal:</translation>
    </message>
    <message>
        <source>Sub Goal:</source>
        <translation>Subobjetivo:</translation>
    </message>
    <message>
        <source>Goal Name:</source>
        <translation>Nombre del objetivo:</translation>
    </message>
    <message>
        <source>Add New Sub-Goal:</source>
        <translation>Añadir subobjetivo:</translation>
    </message>
    <message>
        <source>Edit Sub-Goal Name:</source>
        <translation>Editar nombre del subobjetivo:</translation>
    </message>
    <message>
        <source>Characters Left: %1</source>
        <translation>Caracteres restantes: %1</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Side bar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Project tasks</source>
        <translation>Tareas del proyecto</translation>
    </message>
    <message>
        <source>Due date calendar</source>
        <translation>Calendario de la fecha límite</translation>
    </message>
    <message>
        <source>Schedule list</source>
        <translation>Lista de la planificación</translation>
    </message>
    <message>
        <source>Tasks: %1</source>
        <translation>Tareas: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Hechas: %1</translation>
    </message>
    <message>
        <source>Pending: %1</source>
        <translation>Pendientes: %1</translation>
    </message>
    <message>
        <source>Due Date: %1</source>
        <translation>Vence: %1</translation>
    </message>
    <message>
        <source>Ooops! You can create up to 8 sub-goals per goal so you can keep an eye on everything (sometimes less is more).</source>
        <translation>¡Uy! Puede crear hasta 8 subobjetivos por objetivo para no perder nada de vista (a veces menos es más).</translation>
    </message>
    <message>
        <source>Ooops</source>
        <translation>¡Uy!</translation>
    </message>
    <message>
        <source>Delete Sub Goal?</source>
        <translation>¿Eliminar el subobjetivo?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Want to save changes before?</source>
        <translation>¿Desea guardar los cambios antes?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>Ready! Project saved.</source>
        <translation>¡Listo! Proyecto guardado.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Error al abrir</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>It is not a Tarvo project: it has neither a [Project] nor a [Goals] section.</source>
        <translation>No es un proyecto de Tarvo: no tiene ninguna sección [Project] ni [Goals].</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; could not be opened.

%2</source>
        <translation>No se pudo abrir el proyecto &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>The project could not be saved to &quot;%1&quot;.

%2</source>
        <translation>No se pudo guardar el proyecto en &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>At %1 MB it would be larger than the %2 MB a project may have to be opened again. Shorten some task lists and save again.</source>
        <translation>Con %1 MB superaría los %2 MB que puede ocupar un proyecto para poder abrirse de nuevo. Acorte algunas listas de tareas y vuelva a guardar.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>No se pudo crear la carpeta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No file browser could be started to show &quot;%1&quot;.</source>
        <translation>No se pudo iniciar ningún explorador de archivos para mostrar &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The tasks could not be written to &quot;%1&quot;: %2

They are kept, and written as soon as the file can be.</source>
        <translation>No se pudieron escribir las tareas en &quot;%1&quot;: %2

Se conservan y se escribirán en cuanto el archivo lo permita.</translation>
    </message>
    <message>
        <source>The tasks could not be read from &quot;%1&quot;: %2</source>
        <translation>No se pudieron leer las tareas de &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The changes could not be restored: %1</source>
        <translation>No se pudieron restaurar los cambios: %1</translation>
    </message>
    <message>
        <source>Changes left by an earlier run could not be read. They are kept in &quot;%1&quot;.</source>
        <translation>No se pudieron leer los cambios que dejó una ejecución anterior. Se conservan en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The copy of your unsaved changes could not be written to &quot;%1&quot;: %2

Save the project to keep them safe.</source>
        <translation>No se pudo escribir la copia de sus cambios sin guardar en &quot;%1&quot;: %2

Guarde el proyecto para ponerlos a salvo.</translation>
    </message>
    <message>
        <source>Another Tarvo now uses the folder &quot;%1&quot;, so this one no longer writes there. Save your project with Save As, close this window and carry on in the other Tarvo.</source>
        <translation>Otro Tarvo usa ahora la carpeta &quot;%1&quot;, así que este ya no escribe en ella. Guarde su proyecto con Guardar como, cierre esta ventana y continúe en el otro Tarvo.</translation>
    </message>
    <message>
        <source>the sub-goal key &quot;%1&quot; cannot name a task file.</source>
        <translation>la clave de subobjetivo &quot;%1&quot; no puede servir de nombre a un archivo de tareas.</translation>
    </message>
    <message>
        <source>Please select a file.</source>
        <translation>Seleccione un archivo.</translation>
    </message>
    <message>
        <source>Missing Info</source>
        <translation>Falta información</translation>
    </message>
    <message>
        <source>Please enter a name for the file.</source>
        <translation>Escriba un nombre para el archivo.</translation>
    </message>
    <message>
        <source>Please remove any spaces and/or special characters.</source>
        <translation>Quite los espacios y/o caracteres especiales.</translation>
    </message>
    <message>
        <source>Invalid Name</source>
        <translation>Nombre no válido</translation>
    </message>
    <message>
        <source>File already exists. Want to overwrite it?</source>
        <translation>El archivo ya existe. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>File Already Exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>Print Job Finished</source>
        <translation>Impresión terminada</translation>
    </message>
    <message>
        <source>Tarvo was closed before your changes were saved. Restore them?</source>
        <translation>Tarvo se cerró antes de que se guardaran sus cambios. ¿Desea restaurarlos?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Nothing was printed: %1</source>
        <translation>No se imprimió nada: %1</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Planificación</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>The working week has no working day, so no task can be scheduled. Tick at least one day and prepare the calendar again.</source>
        <translation>La semana laboral no tiene ningún día laborable, así que no se puede planificar ninguna tarea. Marque al menos un día y vuelva a preparar el calendario.</translation>
    </message>
    <message>
        <source>%1 task(s) would end after the year 9999 and were left out of the schedule.</source>
        <translation>%1 tarea(s) terminaría(n) después del año 9999 y se dejaron fuera de la planificación.</translation>
    </message>
    <message>
        <source>The task line of the 1 item is on the clipboard.</source>
        <translation>La línea de tarea del elemento está en el portapapeles.</translation>
    </message>
    <message>
        <source>The task lines of the %1 items are on the clipboard.</source>
        <translation>Las líneas de tarea de los %1 elementos están en el portapapeles.</translation>
    </message>
    <message>
        <source>Ends after the due date, %1</source>
        <translation>Termina después de la fecha límite, %1</translation>
    </message>
    <message>
        <source>“%1” was not understood, so this task lasts one day. End the line with “+ 3”, “+ 3 days” or “+ 2 weeks”.</source>
        <translation>No se entendió “%1”, así que esta tarea dura un día. Termine la línea con “+ 3”, “+ 3 days” o “+ 2 weeks”.</translation>
    </message>
    <message>
        <source>Schedule of %1</source>
        <translation>Planificación de %1</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>Sub-Goal</source>
        <translation>Subobjetivo</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Include d&amp;one tasks</source>
        <translation>Incluir tareas &amp;hechas</translation>
    </message>
    <message>
        <source>Days off:</source>
        <translation>Días libres:</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>Exportar iCalendar</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The %1 could not be written to &quot;%2&quot;: %3</source>
        <translation>No se pudo escribir %1 en &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>calendar</source>
        <translation>el calendario</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>el plan</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Añadir %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar %1</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>Renombrar %1</translation>
    </message>
    <message>
        <source>Due Date of %1</source>
        <translation>Fecha límite de %1</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>Nombre del proyecto</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>Working Week</source>
        <translation>Semana laboral</translation>
    </message>
    <message>
        <source>Tarvo is already running from this folder.</source>
        <translation>Tarvo ya se está ejecutando desde esta carpeta.</translation>
    </message>
    <message>
        <source>Days Off</source>
        <translation>Días libres</translation>
    </message>
    <message>
        <source>Sequence of %1</source>
        <translation>Secuencia de %1</translation>
    </message>
    <message>
        <source>Starts after:</source>
        <translation>Después de:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Secuencia</translation>
    </message>
    <message>
        <source>%1 cannot start after %2: %2 already waits for %1 to end, so neither could ever start. Nothing was changed.</source>
        <translation>%1 no puede empezar después de %2: %2 ya espera a que termine %1, así que ninguno podría empezar nunca. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>On time, no day to spare</source>
        <translation>A tiempo, sin días de margen</translation>
    </message>
    <message>
        <source>1 day to spare</source>
        <translation>1 día de margen</translation>
    </message>
    <message>
        <source>%1 days to spare</source>
        <translation>%1 días de margen</translation>
    </message>
    <message>
        <source>Late by 1 working day</source>
        <translation>Retraso de 1 día laborable</translation>
    </message>
    <message>
        <source>Late by %1 working days</source>
        <translation>Retraso de %1 días laborables</translation>
    </message>
    <message>
        <source>due %1</source>
        <translation>vence el %1</translation>
    </message>
    <message>
        <source>%1 of %2 done</source>
        <translation>%1 de %2 hechas</translation>
    </message>
    <message>
        <source>late by 1 working day</source>
        <translation>con 1 día laborable de retraso</translation>
    </message>
    <message>
        <source>late by %1 working days</source>
        <translation>con %1 días laborables de retraso</translation>
    </message>
    <message>
        <source>The due date has passed with tasks still pending.</source>
        <translation>La fecha límite ha pasado y aún quedan tareas pendientes.</translation>
    </message>
    <message>
        <source>The plan ends after the due date, on %1.</source>
        <translation>El plan termina después de la fecha límite, el %1.</translation>
    </message>
    <message>
        <source>Updated from disk</source>
        <translation>Actualizado desde el disco</translation>
    </message>
    <message>
        <source>The project&apos;s file changed on disk: the next Save merges it with your changes.</source>
        <translation>El archivo del proyecto ha cambiado en el disco: la próxima vez que guarde se combinará con sus cambios.</translation>
    </message>
    <message>
        <source>The project&apos;s file is no longer on disk.</source>
        <translation>El archivo del proyecto ya no está en el disco.</translation>
    </message>
    <message>
        <source>Update from Disk</source>
        <translation>Actualizar desde el disco</translation>
    </message>
    <message>
        <source>Merged</source>
        <translation>Combinado</translation>
    </message>
    <message>
        <source>The project&apos;s file had changed on disk since Tarvo last read or saved it. Both versions are merged and saved:

</source>
        <translation>El archivo del proyecto había cambiado en el disco desde la última vez que Tarvo lo leyó o lo guardó. Se han combinado y guardado ambas versiones:

</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is merged into the open project:

</source>
        <translation>&quot;%1&quot; se ha combinado con el proyecto abierto:

</translation>
    </message>
    <message>
        <source>• It holds nothing that the open project lacks.</source>
        <translation>• No contiene nada que le falte al proyecto abierto.</translation>
    </message>
    <message>
        <source>• Added in the other copy: %1.</source>
        <translation>• Añadido en la otra copia: %1.</translation>
    </message>
    <message>
        <source>• Changes from the other copy taken in: %1.</source>
        <translation>• Cambios de la otra copia incorporados: %1.</translation>
    </message>
    <message>
        <source>• Taken from the other copy: %1.</source>
        <translation>• Tomado de la otra copia: %1.</translation>
    </message>
    <message>
        <source>• Deleted in the other copy, so deleted here too: %1.</source>
        <translation>• Eliminado en la otra copia, así que también se elimina aquí: %1.</translation>
    </message>
    <message>
        <source>• Kept, because one copy deleted it and the other changed it: %1.</source>
        <translation>• Conservado, porque una copia lo eliminó y la otra lo cambió: %1.</translation>
    </message>
    <message>
        <source>• Lines changed in both copies, so both texts are kept (the other copy&apos;s lines end in “ (other copy)”): %1.</source>
        <translation>• Líneas cambiadas en ambas copias, así que se conservan ambos textos (las líneas de la otra copia terminan en “ (other copy)”): %1.</translation>
    </message>
    <message>
        <source>the project&apos;s name</source>
        <translation>el nombre del proyecto</translation>
    </message>
    <message>
        <source>the start date</source>
        <translation>la fecha de inicio</translation>
    </message>
    <message>
        <source>the working week</source>
        <translation>la semana laboral</translation>
    </message>
    <message>
        <source>the name of %1</source>
        <translation>el nombre de %1</translation>
    </message>
    <message>
        <source>the due date of %1</source>
        <translation>la fecha límite de %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>no working day</source>
        <translation>ningún día laborable</translation>
    </message>
    <message>
        <source>• Both copies changed %1: yours is kept; the other copy&apos;s is %2.</source>
        <translation>• Ambas copias cambiaron %1: se conserva su versión; la de la otra copia es %2.</translation>
    </message>
    <message>
        <source>• %1 found no free card: its name and tasks are on %2, under the line &quot;%3&quot;.</source>
        <translation>• %1 no encontró ninguna tarjeta libre: su nombre y sus tareas están en %2, bajo la línea &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The project&apos;s file &quot;%1&quot; is no longer there: it was moved, renamed or deleted after Tarvo opened it. Tarvo does not make it again on its own. Choose where to save the project.</source>
        <translation>El archivo del proyecto &quot;%1&quot; ya no está: se movió, se renombró o se eliminó después de que Tarvo lo abriera. Tarvo no lo vuelve a crear por su cuenta. Elija dónde guardar el proyecto.</translation>
    </message>
    <message>
        <source>The project&apos;s file &quot;%1&quot; can no longer be read: %2

Tarvo does not write over what it cannot read. Choose where to save the project.</source>
        <translation>El archivo del proyecto &quot;%1&quot; ya no se puede leer: %2

Tarvo no sobrescribe lo que no puede leer. Elija dónde guardar el proyecto.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>A copy of this project made by a sync tool was found: %1. Merge it in?</source>
        <translation>Se encontró una copia de este proyecto creada por una herramienta de sincronización: %1. ¿Desea combinarla?</translation>
    </message>
    <message>
        <source>Copy Found</source>
        <translation>Copia encontrada</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Printed on %1</source>
        <translation>Impreso el %1</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Vencido</translation>
    </message>
    <message>
        <source>Ends late</source>
        <translation>Termina tarde</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… y %1 más</translation>
    </message>
    <message>
        <source>No tasks yet</source>
        <translation>Aún no hay tareas</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>The plan could not be printed on &quot;%1&quot;: %2</source>
        <translation>No se pudo imprimir el plan en &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>it could not be opened.</source>
        <translation>no se pudo abrir.</translation>
    </message>
    <message>
        <source>a new page could not be started.</source>
        <translation>no se pudo empezar una página nueva.</translation>
    </message>
    <message>
        <source>the pages could not be finished.</source>
        <translation>no se pudieron terminar las páginas.</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Error al imprimir</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Línea de tiempo</translation>
    </message>
    <message>
        <source>Timeline of the plan</source>
        <translation>Línea de tiempo del plan</translation>
    </message>
    <message>
        <source>Da&amp;ys</source>
        <translation>&amp;Días</translation>
    </message>
    <message>
        <source>&amp;Weeks</source>
        <translation>Se&amp;manas</translation>
    </message>
    <message>
        <source>Ctrl+wheel over the timeline switches too</source>
        <translation>Ctrl+rueda sobre la línea de tiempo también cambia la escala</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <translation>MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>MMM yyyy</source>
        <translation>MMM yyyy</translation>
    </message>
    <message>
        <source>yyyy</source>
        <translation>yyyy</translation>
    </message>
    <message>
        <source>1 working day</source>
        <translation>1 día laborable</translation>
    </message>
    <message>
        <source>%1 working days</source>
        <translation>%1 días laborables</translation>
    </message>
    <message>
        <source>There is no plan yet, so there is no timeline to export. Set the project&apos;s start under %1 &gt; %2, and every task gets its days.</source>
        <translation>Aún no hay ningún plan, así que no hay línea de tiempo que exportar. Fije el inicio del proyecto en %1 &gt; %2 y cada tarea recibirá sus días.</translation>
    </message>
    <message>
        <source>Export Timeline</source>
        <translation>Exportar línea de tiempo</translation>
    </message>
    <message>
        <source>PNG or SVG pictures (*.png *.svg)</source>
        <translation>Imágenes PNG o SVG (*.png *.svg)</translation>
    </message>
    <message>
        <source>timeline</source>
        <translation>la línea de tiempo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in neither .png nor .svg. Choose a name ending in .png for a picture, or in .svg for a drawing that scales.</source>
        <translation>&quot;%1&quot; no termina en .png ni en .svg. Elija un nombre terminado en .png para una imagen, o en .svg para un dibujo escalable.</translation>
    </message>
    <message>
        <source>the picture could not be made.</source>
        <translation>no se pudo crear la imagen.</translation>
    </message>
    <message>
        <source>a picture of %1 × %2 pixels is too large; export it as .svg, or as a PDF with Export PDF.</source>
        <translation>una imagen de %1 × %2 píxeles es demasiado grande; expórtela como .svg, o como PDF con Exportar PDF.</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Proyecto</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Consejos</translation>
    </message>
    <message>
        <source>Tarvo cannot start: it cannot write in the folder &quot;%1&quot;, where it keeps the open project&apos;s tasks. Make that folder writable, or run Tarvo from a folder you can write to.</source>
        <translation>Tarvo no puede iniciarse: no puede escribir en la carpeta &quot;%1&quot;, donde guarda las tareas del proyecto abierto. Haga que se pueda escribir en esa carpeta o ejecute Tarvo desde una carpeta en la que usted pueda escribir.</translation>
    </message>
    <message>
        <source>Tarvo cannot tell whether another Tarvo uses the folder &quot;%1&quot;: its lock file &quot;%2&quot; cannot be read. If no Tarvo is running from this folder, delete that file and start Tarvo again.</source>
        <translation>Tarvo no puede saber si otro Tarvo usa la carpeta &quot;%1&quot;: no se puede leer su archivo de bloqueo &quot;%2&quot;. Si no hay ningún Tarvo en ejecución desde esta carpeta, elimine ese archivo y vuelva a iniciar Tarvo.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is in use by Tarvo on the computer &quot;%2&quot;. If Tarvo is not running there any more, delete the lock file &quot;%3&quot; and start Tarvo again.</source>
        <translation>Tarvo está usando la carpeta &quot;%1&quot; en el equipo &quot;%2&quot;. Si Tarvo ya no se está ejecutando allí, elimine el archivo de bloqueo &quot;%3&quot; y vuelva a iniciar Tarvo.</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Fecha de fin</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>All Day Event</source>
        <translation>Todo el día</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privado</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>False</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;Print Plan...</source>
        <translation>&amp;Imprimir plan...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportar PDF...</translation>
    </message>
    <message>
        <source>Export &amp;Timeline...</source>
        <translation>Exportar &amp;línea de tiempo...</translation>
    </message>
    <message>
        <source>Pl&amp;an</source>
        <translation>Pla&amp;n</translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation>&amp;Planificación</translation>
    </message>
</context>
<context>
    <name>frmOpen</name>
    <message>
        <source>Open Project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>Select a Project to Open:</source>
        <translation>Seleccione un proyecto para abrir:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>Name your project file:</source>
        <translation>Nombre del archivo del proyecto:</translation>
    </message>
    <message>
        <source>Please don&apos;t use spaces or special characters.</source>
        <translation>No use espacios ni caracteres especiales.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>A planner for one project at a time</source>
        <translation>Un planificador para un proyecto a la vez</translation>
    </message>
    <message>
        <source>Please Wait ...</source>
        <translation>Espere, por favor...</translation>
    </message>
</context>
<context>
    <name>frmTips</name>
    <message>
        <source>Tips</source>
        <translation>Consejos</translation>
    </message>
    <message>
        <source>Tips:</source>
        <translation>Consejos:</translation>
    </message>
    <message>
        <source>You can set the duration of each task by adding a &quot;+ X days&quot;  of it.</source>
        <translation>Puede fijar la duración de cada tarea añadiendo &quot;+ X days&quot; al final de la misma.</translation>
    </message>
    <message>
        <source>Example: </source>
        <translation>Ejemplo: </translation>
    </message>
    <message>
        <source> Do This + 7 Days</source>
        <translation> Hacer esto + 7 Days</translation>
    </message>
    <message>
        <source>or </source>
        <translation>o </translation>
    </message>
    <message>
        <source> Do This + 7</source>
        <translation> Hacer esto + 7</translation>
    </message>
    <message>
        <source>This will set the duration of the task to 7 days.</source>
        <translation>Así, la duración de la tarea será de 7 días.</translation>
    </message>
    <message>
        <source>In the &quot;Pro&quot; version, you can create parallel tasks (tasks that begin on the same date). To make a parallel task simply add // at the beginning of it and it and it will inherit the start date of the previous task.</source>
        <translation>En la versión &quot;Pro&quot; puede crear tareas paralelas (tareas que empiezan en la misma fecha). Para que una tarea sea paralela, basta con añadir // al principio de la línea: heredará la fecha de inicio de la tarea anterior.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
