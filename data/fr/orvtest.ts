<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ChooserDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ComparisonChart</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: %2; change from the first to the last: %3.</source>
        <translation>%1 : %2 ; évolution du premier au dernier : %3.</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>Graphique comparatif</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file could not be opened.

%1

%2</source>
        <translation>Le fichier d&apos;aide n&apos;a pas pu être ouvert.

%1

%2</translation>
    </message>
    <message>
        <source>The help file is not UTF-8 text.

%1: line %2</source>
        <translation>Le fichier d&apos;aide n&apos;est pas un texte UTF-8.

%1 : ligne %2</translation>
    </message>
    <message>
        <source>Orvane Personality Test Help</source>
        <translation>Aide du Test de personnalité Orvane</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The words of the evaluation in this language are faulty; the evaluation uses English words.
%1: line %2: %3</source>
        <translation>Les mots de l&apos;évaluation dans cette langue comportent une erreur ; l&apos;évaluation utilise les mots anglais.
%1 : ligne %2 : %3</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Orvane Personality Test</source>
        <translation>Test de personnalité Orvane</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Fichier introuvable.</translation>
    </message>
    <message>
        <source>Make a choice before pressing Process</source>
        <translation>Choisissez une réponse avant de cliquer sur «&#xa0;Valider&#xa0;»</translation>
    </message>
    <message>
        <source>E01: Invalid Database File</source>
        <translation>E01 : Fichier de base de données non valide</translation>
    </message>
    <message>
        <source>E01A: Invalid Database Contents.</source>
        <translation>E01A : Contenu de la base de données non valide.</translation>
    </message>
    <message>
        <source>E02B: Invalid Database Contents.</source>
        <translation>E02B : Contenu de la base de données non valide.</translation>
    </message>
    <message>
        <source>E02: Invalid Database Contents</source>
        <translation>E02 : Contenu de la base de données non valide</translation>
    </message>
    <message>
        <source>E03: Invalid Database Contents</source>
        <translation>E03 : Contenu de la base de données non valide</translation>
    </message>
    <message>
        <source>E03B: Invalid Database Contents.</source>
        <translation>E03B : Contenu de la base de données non valide.</translation>
    </message>
    <message>
        <source>E04: Invalid Database Text.</source>
        <translation>E04 : Texte de la base de données non valide.</translation>
    </message>
    <message>
        <source>No file was selected OR invalid file name was input.</source>
        <translation>Aucun fichier n&apos;a été sélectionné ou le nom de fichier saisi n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>File could not be saved.</source>
        <translation>Le fichier n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>There are no previously saved files.</source>
        <translation>Il n&apos;existe aucun fichier enregistré auparavant.</translation>
    </message>
    <message>
        <source>No file was selected.</source>
        <translation>Aucun fichier n&apos;a été sélectionné.</translation>
    </message>
    <message>
        <source>File could not be opened.</source>
        <translation>Le fichier n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>End of file during Load</source>
        <translation>Fin de fichier inattendue pendant le chargement</translation>
    </message>
    <message>
        <source>Would you like to save your responses?</source>
        <translation>Voulez-vous enregistrer vos réponses ?</translation>
    </message>
    <message>
        <source>Save responses?</source>
        <translation>Enregistrer les réponses ?</translation>
    </message>
    <message>
        <source>Select a test before pressing START</source>
        <translation>Choisissez un test avant de cliquer sur «&#xa0;Commencer&#xa0;»</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>These two results are of different tests, whose scales differ, so they can&apos;t be compared.</source>
        <translation>Ces deux résultats proviennent de tests différents, dont les échelles ne sont pas les mêmes ; ils ne peuvent donc pas être comparés.</translation>
    </message>
    <message>
        <source>No printer is available. The evaluation was not printed.</source>
        <translation>Aucune imprimante n&apos;est disponible. L&apos;évaluation n&apos;a pas été imprimée.</translation>
    </message>
    <message>
        <source>The evaluation could not be printed.</source>
        <translation>L&apos;évaluation n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>This result could not be kept. Its evaluation is shown and can still be printed or saved as PDF.</source>
        <translation>Ce résultat n&apos;a pas pu être conservé. Son évaluation est affichée et peut encore être imprimée ou enregistrée en PDF.</translation>
    </message>
    <message>
        <source>No printer is available. The profile was not printed.</source>
        <translation>Aucune imprimante n&apos;est disponible. Le profil n&apos;a pas été imprimé.</translation>
    </message>
    <message>
        <source>The profile could not be printed.</source>
        <translation>Le profil n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>The result could not be deleted.</source>
        <translation>Le résultat n&apos;a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>The PDF file could not be saved. Nothing was written; please choose another folder or name.</source>
        <translation>Le fichier PDF n&apos;a pas pu être enregistré. Rien n&apos;a été écrit ; veuillez choisir un autre dossier ou un autre nom.</translation>
    </message>
    <message>
        <source>This result has been kept on this computer, in %1, so that it can be shown and compared later. To stop keeping results, switch off &quot;Keep results&quot; in the Results menu of the main window.</source>
        <translation>Ce résultat a été conservé sur cet ordinateur, dans %1, afin de pouvoir être affiché et comparé plus tard. Pour ne plus conserver de résultats, désactivez « Conserver les résultats » dans le menu Résultats de la fenêtre principale.</translation>
    </message>
    <message>
        <source>The copy could not be saved. Nothing was written; please choose another folder or name.</source>
        <translation>La copie n&apos;a pas pu être enregistrée. Rien n&apos;a été écrit ; veuillez choisir un autre dossier ou un autre nom.</translation>
    </message>
    <message>
        <source>The CSV file could not be saved. Nothing was written; please choose another folder or name.</source>
        <translation>Le fichier CSV n&apos;a pas pu être enregistré. Rien n&apos;a été écrit ; veuillez choisir un autre dossier ou un autre nom.</translation>
    </message>
    <message>
        <source>Save a copy</source>
        <translation>Enregistrer une copie</translation>
    </message>
    <message>
        <source>Results (*.result)</source>
        <translation>Résultats (*.result)</translation>
    </message>
    <message>
        <source>Export all as CSV</source>
        <translation>Tout exporter en CSV</translation>
    </message>
    <message>
        <source>kept-results.csv</source>
        <translation>resultats-conserves.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The copy could not be kept. The list is as it was.</source>
        <translation>La copie n&apos;a pas pu être conservée. La liste est restée telle quelle.</translation>
    </message>
    <message>
        <source>Open a result file</source>
        <translation>Ouvrir un fichier de résultat</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>no name</source>
        <translation>sans nom</translation>
    </message>
    <message>
        <source>Result of %1</source>
        <translation>Résultat de %1</translation>
    </message>
    <message>
        <source>Earlier result (paler bars): %1. Later result: %2.</source>
        <translation>Résultat antérieur (barres plus claires) : %1. Résultat postérieur : %2.</translation>
    </message>
</context>
<context>
    <name>ProfileChart</name>
    <message>
        <source>Profile chart</source>
        <translation>Graphique du profil</translation>
    </message>
</context>
<context>
    <name>ScaleMeaningPane</name>
    <message>
        <source>Some explanations of the results in this language could not be read from its help; they are shown in English.</source>
        <translation>Certaines explications des résultats dans cette langue n&apos;ont pas pu être lues dans son aide ; elles s&apos;affichent en anglais.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Orvane Software banner</source>
        <translation>Bannière d&apos;Orvane Software</translation>
    </message>
    <message>
        <source>Orvane Personality Tests</source>
        <translation>Tests de personnalité Orvane</translation>
    </message>
    <message>
        <source>Portrait of the author</source>
        <translation>Portrait de l&apos;auteur</translation>
    </message>
    <message>
        <source>Written by the Orvane design team</source>
        <translation>Écrit par l&apos;équipe de conception d&apos;Orvane</translation>
    </message>
</context>
<context>
    <name>frmComparison</name>
    <message>
        <source>Compared figures</source>
        <translation>Chiffres comparés</translation>
    </message>
    <message>
        <source>Comparison - %1</source>
        <translation>Comparaison - %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>frmEval</name>
    <message>
        <source>Personality Evaluation</source>
        <translation>Évaluation de la personnalité</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>&amp;What does this mean?</source>
        <translation>&amp;Qu&apos;est-ce que cela signifie ?</translation>
    </message>
    <message>
        <source>What does this mean?</source>
        <translation>Qu&apos;est-ce que cela signifie ?</translation>
    </message>
    <message>
        <source>Opens the help at what the verdicts mean</source>
        <translation>Ouvre l&apos;aide à la signification des verdicts</translation>
    </message>
    <message>
        <source>%1 - This result is kept</source>
        <translation>%1 - Ce résultat est conservé</translation>
    </message>
    <message>
        <source>%1 - This result is not kept</source>
        <translation>%1 - Ce résultat n&apos;est pas conservé</translation>
    </message>
</context>
<context>
    <name>frmInstr</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on &quot;Introduction to Personality Analysis&quot; to learn how personality attributes can influence realtionships.</source>
        <translation>Cliquez sur «&#xa0;Introduction à l&apos;analyse de la personnalité&#xa0;» pour découvrir comment les traits de personnalité peuvent influencer les relations.</translation>
    </message>
    <message>
        <source>This program determines your personality attributes by asking questions about your feelings and beliefs.  An evaluation is provided at the end of each test.  Analysis of the results can give you insights about how other persons perceive you and your actions. </source>
        <translation>Ce programme détermine vos traits de personnalité en vous posant des questions sur vos sentiments et vos convictions.  Une évaluation vous est remise à la fin de chaque test.  L&apos;analyse des résultats peut vous aider à comprendre comment les autres vous perçoivent, vous et vos actes. </translation>
    </message>
</context>
<context>
    <name>frmLoad</name>
    <message>
        <source>Select a file to load</source>
        <translation>Choisir un fichier à charger</translation>
    </message>
    <message>
        <source>Select a File:</source>
        <translation>Choisissez un fichier :</translation>
    </message>
</context>
<context>
    <name>frmProfile</name>
    <message>
        <source>Profile figures</source>
        <translation>Chiffres du profil</translation>
    </message>
    <message>
        <source>Profile - %1</source>
        <translation>Profil - %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Strongest first</source>
        <translation>Les plus &amp;marquées d&apos;abord</translation>
    </message>
    <message>
        <source>What the scale in focus means</source>
        <translation>Ce que signifie l&apos;échelle sélectionnée</translation>
    </message>
    <message>
        <source>Keep a copy</source>
        <translation>Conserver une copie</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Conservé</translation>
    </message>
</context>
<context>
    <name>frmResults</name>
    <message>
        <source>%1 (not a readable result)</source>
        <translation>%1 (résultat illisible)</translation>
    </message>
    <message>
        <source>Kept Results - %1</source>
        <translation>Résultats conservés - %1</translation>
    </message>
    <message>
        <source>Kept results</source>
        <translation>Résultats conservés</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No results have been kept yet. A result is kept each time a test ends.</source>
        <translation>Aucun résultat n&apos;a encore été conservé. Un résultat est conservé à la fin de chaque test.</translation>
    </message>
    <message>
        <source>Kept results, newest first:</source>
        <translation>Résultats conservés, du plus récent au plus ancien :</translation>
    </message>
    <message>
        <source>%1 is not a readable result. It is left as it is.</source>
        <translation>%1 n&apos;est pas un résultat lisible. Le fichier est laissé tel quel.</translation>
    </message>
    <message>
        <source>Delete the result of the %1 that ended %2? Its file is removed for good.</source>
        <translation>Supprimer le résultat du test «&#xa0;%1&#xa0;» terminé le %2 ? Son fichier sera définitivement effacé.</translation>
    </message>
    <message>
        <source>Save a copy…</source>
        <translation>Enregistrer une copie…</translation>
    </message>
    <message>
        <source>Export all as CSV…</source>
        <translation>Tout exporter en CSV…</translation>
    </message>
    <message>
        <source>Delete all kept results…</source>
        <translation>Supprimer tous les résultats conservés…</translation>
    </message>
    <message>
        <source>Open a result file…</source>
        <translation>Ouvrir un fichier de résultat…</translation>
    </message>
    <message>
        <source>Name…</source>
        <translation>Nommer…</translation>
    </message>
    <message>
        <source>No results are kept: &quot;Keep results&quot; is switched off in the Results menu of the main window.</source>
        <translation>Aucun résultat n&apos;est conservé : « Conserver les résultats » est désactivé dans le menu Résultats de la fenêtre principale.</translation>
    </message>
    <message>
        <source>The folder of the kept results also holds files that are not results: %1. They are left as they are.</source>
        <translation>Le dossier des résultats conservés contient aussi des fichiers qui ne sont pas des résultats : %1. Ils sont laissés tels quels.</translation>
    </message>
    <message>
        <source>Select a result to show or delete it, or two to six results of one test to compare them.</source>
        <translation>Sélectionnez un résultat pour l&apos;afficher ou le supprimer, ou de deux à six résultats d&apos;un même test pour les comparer.</translation>
    </message>
    <message>
        <source>These results are of different tests, whose scales differ, so they can&apos;t be compared.</source>
        <translation>Ces résultats proviennent de tests différents, dont les échelles diffèrent : ils ne peuvent donc pas être comparés.</translation>
    </message>
    <message>
        <source>At most six results can be compared at once.</source>
        <translation>Six résultats au plus peuvent être comparés à la fois.</translation>
    </message>
    <message>
        <source>Delete the one kept result? Its file is removed for good.</source>
        <translation>Supprimer l&apos;unique résultat conservé ? Son fichier sera définitivement effacé.</translation>
    </message>
    <message>
        <source>Delete all %1 kept results? Their files are removed for good.</source>
        <translation>Supprimer les %1 résultats conservés ? Leurs fichiers seront définitivement effacés.</translation>
    </message>
    <message>
        <source>Kept results deleted: %1. These files could not be removed: %2.</source>
        <translation>Résultats conservés supprimés : %1. Ces fichiers n&apos;ont pas pu être effacés : %2.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Whose result is this? A name such as &quot;Me&quot;, &quot;Anna&quot; or a pseudonym, or nothing for none:</source>
        <translation>À qui appartient ce résultat ? Un nom comme « Moi », « Anna » ou un pseudonyme, ou rien pour n&apos;en donner aucun :</translation>
    </message>
    <message>
        <source>A name has at most %1 characters and no line breaks or tabs. The result was not changed.</source>
        <translation>Un nom compte au plus %1 caractères, sans saut de ligne ni tabulation. Le résultat n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The result could not be named. It was not changed.</source>
        <translation>Le résultat n&apos;a pas pu être nommé. Il n&apos;a pas été modifié.</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>Select a file name for Saving Results</source>
        <translation>Choisir un nom de fichier pour enregistrer les réponses</translation>
    </message>
    <message>
        <source>Select or Type a File Name:</source>
        <translation>Choisissez ou saisissez un nom de fichier :</translation>
    </message>
</context>
<context>
    <name>frmTest</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Goes back to the question answered last, to change its answer</source>
        <translation>Revient à la dernière question répondue pour en modifier la réponse</translation>
    </message>
    <message>
        <source>Back to the question answered last (Alt+Left)</source>
        <translation>Retour à la dernière question répondue (Alt+Flèche gauche)</translation>
    </message>
    <message>
        <source>I disagree</source>
        <translation>Je ne suis pas d&apos;accord</translation>
    </message>
    <message>
        <source>I moderately agree</source>
        <translation>Je suis plutôt d&apos;accord</translation>
    </message>
    <message>
        <source>I strongly agree</source>
        <translation>Je suis tout à fait d&apos;accord</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>QUIT</source>
        <translation>QUITTER</translation>
    </message>
    <message>
        <source>Questions remaining %1</source>
        <translation>Questions restantes %1</translation>
    </message>
    <message>
        <source>Question No. %1</source>
        <translation>Question n°&#xa0;%1</translation>
    </message>
    <message>
        <source>Total Questions: %1</source>
        <translation>Nombre de questions : %1</translation>
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
        <translation>&amp;Instructions</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Résultats</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Introduction to Personality Analysis</source>
        <translation>Introduction à l&apos;analyse de la personnalité</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Test of Interpersonal and Social Attributes</source>
        <translation>Test des caractéristiques interpersonnelles et sociales</translation>
    </message>
    <message>
        <source>Test of Individual Attributes</source>
        <translation>Test des caractéristiques individuelles</translation>
    </message>
    <message>
        <source>Select a Test and press START</source>
        <translation>Choisissez un test et cliquez sur «&#xa0;Commencer&#xa0;»</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>The choice of language could not be saved.</source>
        <translation>Le choix de la langue n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>From the next start the program will use: %1.</source>
        <translation>À partir du prochain démarrage, le programme utilisera : %1.</translation>
    </message>
    <message>
        <source>&amp;Kept Results…</source>
        <translation>Résultats &amp;conservés…</translation>
    </message>
    <message>
        <source>Keep &amp;results</source>
        <translation>Conserver les &amp;résultats</translation>
    </message>
    <message>
        <source>The choice could not be saved.</source>
        <translation>Le choix n&apos;a pas pu être enregistré.</translation>
    </message>
</context>
</TS>
