# Versión española de las preguntas de las dos bases de datos de Orvane.
# Estructura como en questions.py: cada escala es una lista de
# (texto de la pregunta, rasgo, ¿invertida?, clave de par o None),
# posición por posición la misma pregunta que en la versión inglesa.
# La evaluación pone los rasgos tras "Usted es una persona " o "Usted es
# también una persona ", unidos por ", " y " y ": cada rasgo concuerda con
# "persona" (femenino singular), no lleva comas ni "y"/"e", y no empieza por
# "i", "hi" + consonante (delante de ese sonido la conjunción se escribe "e").
# Las preguntas, en primera persona y sin marca de género del lector.
import re

# Lo que make_databases.py comprueba en las preguntas en español.
HEADERS = {
 0: "150\t.Copyright (c) 2026 Orvane Software. Test de atributos individuales.",
 1: "150\t.Copyright (c) 2026 Orvane Software. Test de atributos interpersonales y sociales.",
}
PHRASE_RE = re.compile(r"^[a-záéíóúüñ0-9 -]+$")
MAX_PHRASE_LETTERS = 45
# Una pregunta empieza por mayúscula (o por ¿, ¡, «) y acaba en punto; entre
# medias, letras, cifras, espacios y la puntuación española corriente.
TEXT_RE = re.compile(r"^[¿¡«A-ZÁÉÍÓÚÑ0-9][A-Za-zÁÉÍÓÚÜÑáéíóúüñ0-9 .,;:!?¿¡'()«»–-]*\.$")
# Palabras que pueden repetirse entre los rasgos de una misma frase (en
# minúsculas): artículos, preposiciones, pronombres y algunos adverbios.
LINKING_WORDS = set(
    "el la lo los las un una unos unas al del "
    "a ante bajo con contra de desde durante en entre hacia hasta para por "
    "según sin sobre tras o u ni que como cuando si "
    "quien quienes su sus se sí consigo misma mismo mismas mismos usted le les "
    "propio propia propios propias otro otra otros otras demás "
    "todo toda todos todas muy más menos tan bien poco algo no".split())
# " y " o " e " dentro de un rasgo parecería el final de la lista.
AND_WORDS = {"y", "e"}
INFORMAL = {"tú", "te", "ti", "tu", "tus", "contigo"}
# Cada pregunta habla de uno mismo. El español omite el pronombre "yo": la
# persona la marca el verbo, así que, además de los pronombres y posesivos,
# cuentan las formas verbales de primera persona que usan las preguntas.
FIRST_PERSON = {"me", "mi", "mis", "yo", "mí", "conmigo", "mío", "mía", "míos", "mías"} | set(
    "acepto actúo ando asigno asumo ayudo cancelo capto cedo cometo comparo "
    "comparto compro compruebo conozco convenzo corrijo creo cumplo defiendo "
    "dejaría dejo digo disfruto doy duermo empiezo entro escucho estoy evito "
    "hago haré haría he juzgo leo llego llevo mantengo miro necesito perdono "
    "pido pienso pierdo pongo prefiero procuro puedo quiero reconozco resuelvo "
    "respeto retuerzo salgo sé siento sigo soy suelo tengo termino tiendo tomo "
    "valoro veo".split())
# Una vocal "i" (escrita "i", "í", "hi" o "hí") seguida de consonante pide
# "e" en lugar de "y"; el separador fijo " y " no puede ir delante.
_I_SOUND = re.compile(r"^h?[ií][^aeiouáéíóúü]")


def extra_phrase_check(phrase):
    if _I_SOUND.match(phrase):
        return 'empieza por el sonido "i": la lista lo uniría con " y " en lugar de " e "'
    words = phrase.split(' ')
    if words[0] in {"se", "que", "y", "e", "o", "u"}:
        return 'no sigue a "Usted es una persona "'
    # Todo concuerda con "persona": "ambiciosa", "sí misma", nunca "ambicioso".
    if re.search(r"os?$", words[0]) and words[0] not in LINKING_WORDS:
        return 'empieza en masculino: concuerda con "persona"'
    if {"mismo", "mismos", "usted", "él"} & set(words):
        return 'no se refiere a "persona" (femenino): "sí misma", "su", "sus"'
    return None


F, R = False, True

TEST0 = {
1: [  # Actitud ante el logro (Achievement Attitudes)
 ("Me fijo metas claras y trabajo con constancia para alcanzarlas.", "orientada a objetivos", F, "a"),
 ("En todo lo que hago, quiero estar en los primeros puestos.", "competitiva", F, None),
 ("Disfruto de los retos que ponen a prueba mis capacidades.", "ávida de desafíos", F, None),
 ("Acepto hacer sacrificios ahora para tener éxito más adelante.", "dispuesta a sacrificarse por el éxito", F, None),
 ("Me enorgullece hacer las cosas mejor que la última vez.", "empeñada en superarse", F, None),
 ("Sé dónde quiero estar dentro de cinco años.", "con una idea clara de su futuro", F, None),
 ("Un contratiempo me hace esforzarme todavía más.", "tenaz ante los contratiempos", F, "b"),
 ("A menudo pienso en cómo podría progresar en mi trabajo o en mis estudios.", "ambiciosa", F, None),
 ("Me gusta que se me juzgue por mis resultados.", "deseosa de ser juzgada por sus resultados", F, None),
 ("Rara vez me fijo metas.", "relajada a la hora de fijarse metas", R, "a"),
 ("Me rindo enseguida cuando algo resulta difícil.", "propensa a rendirse enseguida", R, "b"),
 ("Ganar no me importa demasiado.", "poco interesada en ganar", R, None),
 ("Digo que no a más responsabilidades, aunque puedan llevarme a un ascenso.", "reacia a asumir más responsabilidades", R, None),
 ("Prefiero que otros marquen el ritmo y limitarme a seguirlo.", "contenta de dejarse guiar", R, None),
 ("Aplazo una y otra vez mis ambiciones para más adelante.", "lenta para perseguir sus sueños", R, None),
],
2: [  # Temperamento emocional (Emotional Temperament)
 ("Mantengo la calma cuando las cosas salen mal.", "tranquila cuando algo sale mal", F, "a"),
 ("Mi estado de ánimo se mantiene bastante estable de un día para otro.", "estable de ánimo", F, "b"),
 ("Me recupero pronto de las decepciones.", "resiliente", F, None),
 ("Puedo reírme de mí cuando cometo un error.", "capaz de reírse de sí misma", F, None),
 ("Rara vez me preocupo por lo que no puedo cambiar.", "libre de preocupaciones innecesarias", F, None),
 ("La mayor parte del tiempo me siento alegre.", "alegre por lo general", F, None),
 ("Cuando alguien me critica, puedo escuchar sin alterarme.", "serena ante la crítica", F, "d"),
 ("Puedo esperar en una fila que avanza despacio sin que me moleste.", "paciente", F, None),
 ("Perdono pronto a los demás después de una discusión.", "dispuesta a perdonar", F, None),
 ("Pierdo los estribos por pequeñeces.", "explosiva", R, "a"),
 ("Mi estado de ánimo puede pasar de la euforia al desánimo en menos de una hora.", "de humor cambiante", R, "b"),
 ("A menudo me siento en tensión y con los nervios de punta.", "a menudo tensa", R, None),
 ("Sigo dándoles vueltas a las cosas mucho después de que hayan pasado.", "propensa a darle vueltas a las cosas", R, None),
 ("Una pequeña molestia me puede arruinar el día entero.", "fácil de irritar", R, None),
 ("Me tomo las críticas muy a pecho.", "susceptible a las críticas", R, "d"),
],
3: [  # Nivel de energía (Energy Level)
 ("Por la mañana me despierto con ganas de ponerme en marcha.", "animada desde primera hora", F, "a"),
 ("Puedo trabajar muchas horas sin que me venza el cansancio.", "de gran aguante", F, None),
 ("Me gusta tener algo que hacer la mayor parte del día.", "amante de mantenerse ocupada", F, None),
 ("Ando deprisa y con decisión.", "rápida de movimientos", F, None),
 ("Puedo ocuparme de varias actividades a la vez.", "hábil para compaginar muchas tareas", F, None),
 ("Al final del día todavía me queda mucha energía.", "llena de energía", F, "b"),
 ("Disfruto de los días animados en los que todo va deprisa.", "a gusto con un ritmo frenético", F, "c"),
 ("Prefiero estar haciendo algo a quedarme sin hacer nada.", "nunca tan feliz como en plena actividad", F, None),
 ("Un breve descanso me basta para recuperar la energía.", "capaz de reponer fuerzas enseguida", F, None),
 ("Siento cansancio la mayor parte del día.", "cansada a menudo", R, "b"),
 ("Por la mañana me cuesta mucho ponerme en marcha.", "lenta para arrancar el día", R, "a"),
 ("Prefiero un ritmo de vida lento y relajado.", "amiga de una vida pausada", R, "c"),
 ("Necesito una siesta para aguantar la tarde.", "dependiente de la siesta", R, None),
 ("Hasta las tareas pequeñas me dejan sin fuerzas.", "propensa al agotamiento", R, None),
 ("Me gusta pasar la mayor parte de mi tiempo libre descansando.", "aficionada al descanso", R, None),
],
4: [  # Factores intelectuales (Intellectual Factors)
 ("Disfruto aprendiendo sobre temas de los que no sé nada.", "de mente curiosa", F, None),
 ("Me gusta resolver acertijos y problemas complicados.", "apasionada por resolver problemas", F, "b"),
 ("Leo por placer siempre que tengo ocasión.", "amante de la lectura", F, "c"),
 ("Capto las ideas nuevas con rapidez.", "rápida para aprender", F, None),
 ("Me gusta entender por qué las cosas funcionan como funcionan.", "en busca del porqué de las cosas", F, None),
 ("Disfruto de un buen debate de ideas.", "aficionada a debatir ideas", F, None),
 ("Compruebo los hechos antes de aceptar una afirmación.", "de pensamiento crítico", F, "d"),
 ("Sé explicar cosas complicadas con palabras sencillas.", "capaz de explicarse con claridad", F, None),
 ("Recuerdo los detalles de lo que he leído o escuchado.", "con buena memoria para los detalles", F, None),
 ("No le veo mucho sentido a aprender cosas que nunca voy a usar.", "poco atraída por la teoría abstracta", R, None),
 ("Los acertijos y los juegos de ingenio me aburren.", "sin interés por los acertijos", R, "b"),
 ("Rara vez leo algo más largo que un artículo breve.", "de lectura ocasional", R, "c"),
 ("Suelo creerme lo que me dicen sin comprobarlo.", "propensa a creer lo que oye", R, "d"),
 ("Pierdo el interés enseguida cuando un tema se complica.", "sin paciencia para los temas complejos", R, None),
 ("Prefiero que otros resuelvan los problemas difíciles.", "dependiente de respuestas ajenas", R, None),
],
5: [  # Actitud ante lo material (Material Attitudes)
 ("Llevo la cuenta de lo que gasto.", "hábil con el presupuesto", F, None),
 ("Ahorro una parte de mis ingresos con regularidad.", "ahorradora", F, "a"),
 ("Puedo ser feliz sin poseer cosas caras.", "feliz sin lujos", F, "b"),
 ("Comparo precios antes de hacer una compra importante.", "atenta a comparar precios", F, "c"),
 ("Cuido mis cosas para que me duren.", "cuidadosa con sus pertenencias", F, None),
 ("Me conformaría con unos ingresos modestos si mi trabajo me llenara.", "conforme con unos ingresos modestos", F, None),
 ("Comparto lo que tengo con quienes lo necesitan.", "generosa con lo que tiene", F, None),
 ("Pago mis facturas a tiempo.", "puntual en sus pagos", F, None),
 ("Juzgo a las personas por su carácter, no por lo que poseen.", "poco impresionada por la riqueza", F, None),
 ("Gasto mi dinero en cuanto lo recibo.", "gastadora", R, "a"),
 ("Tener cosas caras me hace sentir importante.", "orgullosa de sus posesiones costosas", R, "b"),
 ("A menudo compro cosas por impulso.", "dada a las compras impulsivas", R, "c"),
 ("Pido dinero prestado para comprar cosas que quiero pero no necesito.", "a gusto con las deudas", R, None),
 ("Envidio a las personas que tienen más dinero que yo.", "envidiosa de la gente adinerada", R, None),
 ("Me cuesta prestar o regalar cualquier cosa mía.", "reacia a desprenderse de sus cosas", R, None),
],
6: [  # Madurez (Maturity)
 ("Reconozco mis errores abiertamente.", "honesta con sus errores", F, None),
 ("Pienso en las consecuencias antes de actuar.", "atenta a los efectos de sus actos", F, "a"),
 ("Asumo la responsabilidad de mis propias decisiones.", "responsable de sus decisiones", F, "b"),
 ("Puedo aplazar un placer hasta haber terminado mi trabajo.", "capaz de anteponer el deber al placer", F, "c"),
 ("Puedo discrepar de alguien sin guardarle rencor.", "respetuosa al discrepar", F, None),
 ("Me ocupo de mis asuntos sin que nadie tenga que recordármelo.", "autosuficiente", F, None),
 ("Puedo aceptar un consejo aunque no sea agradable de oír.", "abierta a los consejos", F, None),
 ("Tengo en cuenta el largo plazo cuando tomo decisiones.", "con visión a largo plazo", F, None),
 ("Puedo reconocer cuando otra persona sabe más que yo.", "modesta en cuanto a lo que sabe", F, None),
 ("Cuando algo sale mal, suelo culpar a los demás.", "pronta a culpar a los demás", R, "b"),
 ("A menudo actúo primero y pienso después.", "precipitada", R, "a"),
 ("Pongo mala cara cuando no consigo lo que quiero.", "dada a enfurruñarse", R, None),
 ("Me cuesta pedir perdón.", "reacia a pedir perdón", R, None),
 ("Cometo los mismos errores una y otra vez.", "propensa a tropezar con la misma piedra", R, None),
 ("Lo que quiero, lo quiero ya.", "ansiosa por recompensas inmediatas", R, "c"),
],
7: [  # Actitud filosófica (Philosophical Attitudes)
 ("A menudo pienso en lo que da sentido a mi vida.", "reflexiva sobre la vida", F, "a"),
 ("Tengo valores claros que guían mis decisiones.", "guiada por valores claros", F, None),
 ("Respeto las creencias distintas de las mías.", "tolerante con otras creencias", F, "b"),
 ("Creo que la mayoría de las personas son buenas en el fondo.", "confiada en la bondad humana", F, "c"),
 ("Creo que los tiempos difíciles suelen enseñar algo útil.", "filosófica ante la adversidad", F, None),
 ("Miro el futuro con esperanza.", "esperanzada en el futuro", F, "d"),
 ("Intento vivir según lo que creo, aunque me cueste.", "fiel a sus principios", F, None),
 ("Disfruto hablando de grandes cuestiones, como el bien y el mal.", "aficionada a las grandes preguntas", F, None),
 ("Puedo cambiar de opinión si oigo un argumento mejor.", "de mente abierta", F, None),
 ("Rara vez me detengo a pensar en el sentido de las cosas.", "poco reflexiva", R, "a"),
 ("Doy por hecho que las cosas saldrán mal.", "pesimista", R, "d"),
 ("Creo que quien no está de acuerdo conmigo simplemente se equivoca.", "desdeñosa con otras opiniones", R, "b"),
 ("Creo que la mayoría de la gente hace trampa si tiene ocasión.", "desconfiada de la gente", R, "c"),
 ("Amoldo mis principios a lo que me conviene.", "dispuesta a relajar su ética", R, None),
 ("Cuando tomo una decisión, nada me hace cambiarla.", "obstinada en sus decisiones", R, None),
],
8: [  # Atributos físicos (Physical Attributes)
 ("Estoy en buena forma física.", "en buena forma", F, "a"),
 ("Hago ejercicio varias veces por semana.", "constante con el ejercicio", F, "b"),
 ("Tengo buen equilibrio y buena coordinación.", "ágil", F, "c"),
 ("Rara vez me resfrío o contraigo otras enfermedades leves.", "poco enfermiza", F, None),
 ("Llevo una alimentación equilibrada.", "de alimentación sensata", F, "d"),
 ("Puedo llevar cargas pesadas sin mucho esfuerzo.", "físicamente fuerte", F, None),
 ("Disfruto del deporte y de las actividades al aire libre.", "amante del deporte", F, None),
 ("Puedo caminar durante horas sin cansarme.", "capaz de caminar durante horas", F, None),
 ("La mayoría de las noches duermo lo suficiente.", "bien descansada", F, None),
 ("Me quedo sin aliento después de subir unos cuantos pisos por la escalera.", "corta de aliento", R, "a"),
 ("Casi nunca hago ningún tipo de ejercicio.", "sedentaria", R, "b"),
 ("Soy bastante torpe.", "algo torpe", R, "c"),
 ("A menudo me alimento de comida rápida en lugar de comer como es debido.", "aficionada a la comida rápida", R, "d"),
 ("A menudo tengo dolores y molestias.", "propensa a los achaques", R, None),
 ("Prefiero ver deportes a practicarlos.", "más espectadora que jugadora", R, None),
],
9: [  # Actitud ante el riesgo (Risk Attitudes)
 ("Disfruto probando cosas que nunca he hecho.", "aventurera", F, "a"),
 ("Dejaría un empleo seguro por otro mejor pero menos estable.", "abierta a riesgos profesionales", F, "b"),
 ("Me gusta la emoción de un poco de peligro.", "amante de las emociones fuertes", F, "c"),
 ("Tomo decisiones con rapidez, aunque me falten algunos datos.", "rápida para decidir", F, "d"),
 ("Invertiría parte de mis ahorros en un negocio nuevo y prometedor.", "dispuesta a invertir en un negocio nuevo", F, None),
 ("Disfruto viajando a lugares que no conozco.", "deseosa de viajar a sitios desconocidos", F, None),
 ("Digo lo que pienso aunque pueda quedar en ridículo.", "atrevida al tomar la palabra", F, None),
 ("Me gusta probar comidas poco comunes.", "osada con la comida", F, None),
 ("Prefiero intentarlo y fracasar a no intentarlo nunca.", "sin miedo al fracaso", F, "e"),
 ("Prefiero lo conocido a lo nuevo.", "apegada a lo familiar", R, "a"),
 ("Valoro más un empleo seguro que unos ingresos más altos.", "partidaria de la seguridad", R, "b"),
 ("Evito las actividades que suponen cualquier peligro físico.", "precavida ante el peligro físico", R, "c"),
 ("Necesito conocer cada detalle antes de tomar una decisión.", "lenta para decidir sin todos los datos", R, "d"),
 ("Guardo mi dinero donde esté seguro, aunque apenas me rinda.", "prudente con sus ahorros", R, None),
 ("El miedo al fracaso a menudo me impide intentarlo.", "frenada por el miedo a fracasar", R, "e"),
],
10: [  # Actitud ante las tareas (Task Performance Attitudes)
 ("Termino lo que empiezo.", "constante hasta el final", F, "a"),
 ("Planifico mi trabajo antes de empezar.", "metódica", F, None),
 ("Mantengo mi lugar de trabajo limpio y ordenado.", "bien organizada", F, "b"),
 ("Reviso mi trabajo dos veces en busca de errores.", "atenta a los detalles", F, "c"),
 ("Cumplo mis plazos.", "cumplidora con los plazos", F, None),
 ("Trabajo con empeño incluso en las tareas que me parecen aburridas.", "laboriosa", F, None),
 ("Empiezo las tareas enseguida en vez de esperar al último momento.", "rápida para ponerse manos a la obra", F, "d"),
 ("Puedo concentrarme en una sola tarea durante mucho tiempo.", "con gran capacidad de concentración", F, "e"),
 ("Me enorgullece hacer un trabajo como es debido.", "orgullosa del trabajo bien hecho", F, None),
 ("A menudo dejo las tareas a medias.", "dada a dejar las tareas a medias", R, "a"),
 ("Tiendo a dejar las cosas para el último momento.", "de las que lo aplazan todo", R, "d"),
 ("Me distraigo con facilidad cuando trabajo.", "fácil de distraer", R, "e"),
 ("Mi escritorio suele ser un desastre.", "desordenada en su escritorio", R, "b"),
 ("A menudo cometo errores por descuido.", "propensa a errores por descuido", R, "c"),
 ("Hago solo el trabajo que me piden.", "conforme con hacer lo mínimo", R, None),
],
}

TEST1 = {
1: [  # Agresividad (Aggressiveness; en sentido directo = calma, sin agresividad)
 ("Mantengo la calma cuando alguien me provoca.", "tranquila ante las provocaciones", F, "a"),
 ("Resuelvo los desacuerdos hablando las cosas.", "hábil para resolver las cosas hablando", F, None),
 ("Prefiero alejarme de una pelea a meterme en ella.", "reacia a las peleas", F, None),
 ("Hablo con suavidad incluso cuando algo me molesta.", "de voz suave", F, "b"),
 ("Mantengo la paciencia cuando otras personas cometen errores al volante.", "paciente al volante", F, None),
 ("Cuando los ánimos se caldean, procuro calmar a los demás.", "conciliadora", F, None),
 ("Puedo perder una partida sin irritarme.", "deportiva en la derrota", F, None),
 ("Pido con educación lo que quiero.", "cortés al pedir", F, "c"),
 ("Puedo dejar pasar un insulto sin devolverlo.", "capaz de perdonar un insulto", F, "d"),
 ("Pierdo los estribos con facilidad cuando me provocan.", "de temperamento explosivo", R, "a"),
 ("Levanto la voz cuando no me escuchan.", "dada a levantar la voz", R, "b"),
 ("Avasallo a los demás para salirme con la mía.", "avasalladora", R, "c"),
 ("Me aseguro de ajustar cuentas con quien me ha hecho daño.", "decidida a vengarse", R, "d"),
 ("Disfruto de una discusión acalorada.", "discutidora", R, None),
 ("Doy portazos o tiro cosas cuando me domina la ira.", "propensa a los arrebatos", R, None),
],
2: [  # Actitud de control social (Social Control Attitudes; en sentido directo = respeta la libertad ajena)
 ("Dejo que los demás tomen sus propias decisiones.", "dispuesta a dejar elegir a los demás", F, "a"),
 ("Pido la opinión de los demás antes de decidir algo que les afecta.", "atenta a pedir opiniones", F, None),
 ("Me siento a gusto cuando otros hacen las cosas de manera distinta a la mía.", "flexible ante otras maneras de actuar", F, "b"),
 ("Convenzo a la gente con razones honestas, no con trucos.", "honesta al persuadir", F, "c"),
 ("Dejo a los demás margen para aprender de sus propios errores.", "paciente mientras otros aprenden", F, None),
 ("Me gusta compartir el control de un proyecto con otras personas.", "abierta a compartir el control", F, "d"),
 ("Respeto la intimidad de los demás.", "respetuosa con la intimidad ajena", F, "e"),
 ("Acepto una decisión del grupo aunque no sea la que yo quería.", "capaz de acatar las decisiones del grupo", F, None),
 ("No les digo a los demás cómo deben vivir su vida.", "tolerante con cualquier estilo de vida", F, None),
 ("Tomo decisiones por los demás porque sé lo que más les conviene.", "propensa a decidir por los demás", R, "a"),
 ("Me molesta que la gente no haga las cosas a mi manera.", "obstinada en imponer su manera", R, "b"),
 ("Uso la culpa para que los demás hagan lo que quiero.", "dada a usar la culpa para convencer", R, "c"),
 ("Me gusta tener la última palabra en todo.", "empeñada en tener la última palabra", R, "d"),
 ("Me gusta saber dónde están mis amistades en todo momento.", "pendiente de dónde están sus amistades", R, "e"),
 ("A menudo corrijo la forma en que otros hacen las cosas.", "crítica con el modo de hacer de los demás", R, None),
],
3: [  # Fiabilidad (Dependability)
 ("Cumplo mis promesas.", "fiel a su palabra", F, "a"),
 ("Llego puntual a mis citas.", "puntual", F, "b"),
 ("Los demás pueden contar conmigo en una emergencia.", "fiable en las crisis", F, None),
 ("Devuelvo lo que me prestan sin que tengan que pedírmelo.", "pronta a devolver lo prestado", F, None),
 ("Hago lo que digo que haré, aunque nadie lo compruebe.", "cumplidora sin necesidad de supervisión", F, "c"),
 ("Sé guardar un secreto.", "digna de confianza con los secretos", F, "d"),
 ("Aviso con tiempo si no puedo ir.", "atenta a avisar con antelación", F, "e"),
 ("Devuelvo el dinero que debo sin que me lo tengan que recordar.", "diligente en saldar sus deudas", F, None),
 ("Termino mi parte del trabajo a tiempo.", "responsable con su parte del trabajo", F, None),
 ("A veces olvido promesas que he hecho.", "olvidadiza con sus promesas", R, "a"),
 ("A menudo llego tarde.", "a menudo impuntual", R, "b"),
 ("Cancelo planes a última hora.", "propensa a cancelar planes", R, "e"),
 ("Cuento a otros lo que me han dicho en confianza.", "poco discreta con los secretos", R, "d"),
 ("Trabajo menos cuando nadie me ve.", "floja cuando nadie la vigila", R, "c"),
 ("A menudo dejo que otros terminen lo que yo empecé.", "dada a dejar sus tareas a otros", R, None),
],
4: [  # Egocentrismo (Egocentrism; en sentido directo = considerada con los demás)
 ("Me intereso de verdad por la vida de los demás.", "sinceramente interesada por los demás", F, None),
 ("En las conversaciones escucho más de lo que hablo.", "paciente al escuchar", F, "a"),
 ("Me alegra que otros reciban el reconocimiento que merecen.", "dispuesta a reconocer los méritos de otros", F, "b"),
 ("Pienso en cómo mis actos afectan a los demás.", "considerada con los demás", F, "c"),
 ("Antepongo las necesidades de los demás a las mías.", "altruista", F, "d"),
 ("Me acuerdo de los cumpleaños de mis amistades.", "atenta con sus amistades", F, None),
 ("Reconozco cuando otra persona tiene una idea mejor que la mía.", "humilde con sus ideas", F, None),
 ("Ayudo a los demás sin esperar nada a cambio.", "generosa con su ayuda", F, None),
 ("Puedo disfrutar de una fiesta aunque no sea el centro de atención.", "a gusto lejos de los focos", F, "e"),
 ("Siempre acabo llevando la conversación hacia mí.", "propensa a hablar de sí misma", R, "a"),
 ("Me atribuyo el mérito de cosas que hicieron otros.", "pronta a atribuirse méritos", R, "b"),
 ("Rara vez pienso en cómo se sienten los demás.", "ajena a los sentimientos de los demás", R, "c"),
 ("Mis propias necesidades van primero.", "centrada en sus propias necesidades", R, "d"),
 ("Me gusta ser el centro de atención.", "amante de los focos", R, "e"),
 ("Espero que me den un trato especial.", "dada a exigir un trato especial", R, None),
],
5: [  # Expresión emocional (Emotional Expression; en sentido directo = abierta y adecuada)
 ("Muestro mi entusiasmo cuando llegan buenas noticias.", "efusiva ante las buenas noticias", F, None),
 ("Puedo decir lo que siento sin hacer una escena.", "capaz de decir lo que piensa con calma", F, None),
 ("Hago saber a mis amistades que me importan.", "abiertamente cariñosa", F, "b"),
 ("Hablo de mis preocupaciones con personas de confianza.", "dispuesta a compartir sus preocupaciones", F, "c"),
 ("Me río con facilidad y sin reservas.", "de risa fácil", F, None),
 ("Puedo decirle a alguien con amabilidad que me ha hecho daño.", "sincera cuando se siente herida", F, None),
 ("Mi cara refleja lo que siento.", "transparente", F, "d"),
 ("Sé consolar a quien lo está pasando mal.", "reconfortante para los demás", F, None),
 ("Doy las gracias con calidez cuando me ayudan.", "cálida al dar las gracias", F, None),
 ("Me guardo mis sentimientos.", "reservada con sus sentimientos", R, "c"),
 ("Me cuesta expresarles a otras personas cuánto me importan.", "tímida al mostrar cariño", R, "b"),
 ("Escondo mi decepción detrás de una sonrisa.", "dada a disimular sus decepciones", R, None),
 ("Me trago la rabia hasta que estalla.", "propensa a tragarse la rabia", R, None),
 ("A los demás les cuesta saber lo que siento.", "difícil de descifrar", R, "d"),
 ("Me incomoda que otros muestren emociones intensas.", "a disgusto ante emociones intensas", R, None),
],
6: [  # Equidad (Fairness)
 ("Doy el mismo trato a todo el mundo, sea cual sea su origen.", "ecuánime", F, "a"),
 ("Escucho a las dos partes antes de juzgar.", "justa en sus juicios", F, "b"),
 ("Reconozco el mérito a quien se lo ha ganado.", "equitativa al reconocer méritos", F, None),
 ("Tomo solo la parte que me corresponde.", "conforme con su parte", F, "c"),
 ("Cuando juego, llevo la cuenta de los puntos con honradez.", "honrada en el juego", F, None),
 ("Defiendo a quienes reciben un trato injusto.", "defensora de los más débiles", F, None),
 ("Me aseguro de que los gastos compartidos se repartan de forma justa.", "exacta al repartir gastos", F, None),
 ("Juzgo a la gente por lo que hace, no por los rumores.", "sorda a los rumores", F, None),
 ("Me aplico los mismos criterios que a los demás.", "coherente en sus criterios", F, "d"),
 ("Favorezco a mis amistades aunque otros merezcan más.", "parcial con sus amistades", R, "a"),
 ("Me formo una opinión antes de conocer toda la historia.", "rápida para juzgar", R, "b"),
 ("Me quedo con una parte mayor cuando creo que nadie lo notará.", "dada a quedarse con más de la cuenta", R, "c"),
 ("Exijo más a los demás que a mí.", "más exigente con los demás que consigo misma", R, "d"),
 ("Retuerzo la verdad para ganar una discusión.", "dispuesta a retorcer la verdad", R, None),
 ("Juzgo a la gente por su aspecto.", "guiada por las apariencias", R, None),
],
7: [  # Liderazgo (Leadership)
 ("Tomo las riendas cuando un grupo necesita dirección.", "con dotes naturales de mando", F, "a"),
 ("A menudo los demás acuden a mí en busca de orientación.", "muy consultada por los demás", F, None),
 ("Puedo tomar una decisión firme cuando otros dudan.", "decidida", F, "b"),
 ("Disfruto animando a los demás a dar lo mejor de sí.", "alentadora", F, None),
 ("Sé explicar un plan de manera que cada cual sepa qué le toca.", "clara al dar instrucciones", F, None),
 ("No me importa hablar en nombre de un grupo.", "dispuesta a ser portavoz", F, "c"),
 ("Asigno las tareas según los puntos fuertes de cada cual.", "hábil para delegar", F, "d"),
 ("Asumo la culpa cuando un equipo que dirijo no alcanza sus metas.", "capaz de asumir la culpa", F, "e"),
 ("Me gusta organizar actividades en grupo.", "aficionada a organizar actividades de grupo", F, None),
 ("Prefiero seguir antes que dirigir.", "más seguidora que líder", R, "a"),
 ("Dudo cuando me toca tomar una decisión.", "vacilante al decidir", R, "b"),
 ("Evito hablar delante de un grupo.", "tímida para hablar en público", R, "c"),
 ("Prefiero encargarme yo de un trabajo antes que repartirlo.", "reacia a delegar", R, "d"),
 ("Cuando mi equipo fracasa, busco a quién echarle la culpa.", "pronta a culpar al equipo", R, "e"),
 ("Me cuesta decir a los demás lo que tienen que hacer.", "a disgusto dando órdenes", R, None),
],
8: [  # Aspecto físico (Physical Appearance)
 ("Cuido mi forma de vestir.", "bien vestida", F, "a"),
 ("Llevo el pelo limpio y arreglado.", "cuidadosa con su peinado", F, "b"),
 ("Me visto de forma adecuada para cada ocasión.", "elegante en cualquier ocasión", F, None),
 ("Mantengo la espalda recta.", "de postura erguida", F, "c"),
 ("Llevo la ropa limpia y planchada.", "con la ropa siempre impecable", F, "d"),
 ("Sonrío cuando me encuentro con alguien.", "de sonrisa fácil", F, None),
 ("Miro a los ojos a la gente cuando le hablo.", "de mirada directa", F, "e"),
 ("Me siento a gusto con mi aspecto.", "a gusto con su aspecto", F, None),
 ("Me arreglo incluso en mis días libres.", "arreglada incluso en sus días libres", F, "f"),
 ("Me pongo lo primero que encuentro.", "despreocupada en el vestir", R, "a"),
 ("Presto poca atención a mi aseo personal.", "poco atenta a su aseo", R, "b"),
 ("Tiendo a encorvarme.", "propensa a encorvarse", R, "c"),
 ("Mi ropa suele estar arrugada o manchada.", "a menudo desaliñada", R, "d"),
 ("Evito mirar a los ojos a la gente con la que me cruzo.", "reacia a mirar a los ojos", R, "e"),
 ("A menudo salgo de casa sin mirarme al espejo.", "descuidada con su apariencia", R, "f"),
],
9: [  # Respeto a las normas (Regard for Rules)
 ("Respeto las normas de tráfico aunque la carretera esté vacía.", "cumplidora del código de tráfico", F, "a"),
 ("Cumplo las reglas en el trabajo o en los estudios.", "obediente en el trabajo o los estudios", F, "b"),
 ("Devuelvo el cambio cuando en la caja me dan de más.", "escrupulosamente honrada", F, "c"),
 ("Espero mi turno en la fila.", "paciente en la fila", F, "d"),
 ("No entro en lugares señalados como privados.", "respetuosa con los límites", F, None),
 ("Creo que las normas existen por buenas razones.", "partidaria de los reglamentos", F, "e"),
 ("Pago todos los impuestos que me corresponden.", "concienzuda con los impuestos", F, None),
 ("Cumplo los términos de los acuerdos que firmo.", "fiel a los acuerdos", F, None),
 ("Procuro cambiar las reglas injustas por los cauces adecuados.", "reformista por vías legítimas", F, None),
 ("Excedo el límite de velocidad cuando creo que no me van a descubrir.", "veloz al volante si nadie la ve", R, "a"),
 ("Paso por alto las reglas que me parecen absurdas.", "selectiva con las normas", R, "b"),
 ("Me quedo con el cambio si en la caja me dan de más.", "feliz de quedarse con el cambio de más", R, "c"),
 ("Me cuelo en la fila cuando puedo salirme con la mía.", "dispuesta a colarse en la fila", R, "d"),
 ("Creo que las normas están para romperlas.", "desdeñosa con los reglamentos", R, "e"),
 ("Haría trampa en un examen si tuviera la seguridad de que nadie se enteraría.", "tentada de hacer trampa", R, None),
],
10: [  # Espíritu de equipo (Team Spirit)
 ("Disfruto trabajando con otros por un objetivo común.", "con espíritu de equipo", F, "a"),
 ("Ayudo a los miembros del equipo que se quedan atrás.", "solidaria con quienes se quedan atrás", F, None),
 ("Comparto la información que puede ayudar al grupo.", "abierta con la información", F, "b"),
 ("Celebro el éxito del equipo más que el mío.", "orgullosa de los éxitos comunes", F, "c"),
 ("Hago la parte que me toca de los trabajos ingratos.", "dispuesta a hacer tareas ingratas", F, "d"),
 ("Me llevo bien con la mayoría de la gente de un grupo.", "de trato fácil", F, None),
 ("Antepongo los objetivos del grupo a mis propios deseos.", "leal al grupo", F, None),
 ("Hago que las personas nuevas de un equipo se sientan bienvenidas.", "acogedora con quien acaba de llegar", F, None),
 ("Cedo en algo para que un equipo siga trabajando unido.", "flexible para alcanzar acuerdos", F, "e"),
 ("Prefiero trabajar por mi cuenta.", "más a gusto trabajando por su cuenta", R, "a"),
 ("Me guardo la información útil para llevar ventaja.", "reservada con la información", R, "b"),
 ("Me importan más mis propios resultados que los del equipo.", "centrada en sus propios resultados", R, "c"),
 ("Dejo a los demás las partes aburridas del trabajo en grupo.", "dada a esquivar las tareas aburridas", R, "d"),
 ("En un desacuerdo de grupo, me niego a ceder terreno.", "reacia a ceder", R, "e"),
 ("El trabajo en grupo me frustra.", "frustrada por los proyectos conjuntos", R, None),
],
}
