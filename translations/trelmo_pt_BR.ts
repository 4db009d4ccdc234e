<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_GB">
<context>
    <name>trelmo</name>
    <message id="textes.texture_plateau">
        <source>Background</source>
        <translation>Tabuleiro</translation>
    </message>
    <message id="textes.texture_bille">
        <source>Marbles</source>
        <translation>Bolinhas</translation>
    </message>
    <message id="textes.infos">
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message id="textes.aide">
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message id="textes.charger">
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message id="textes.sauver">
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message id="textes.scores">
        <source>Scores</source>
        <translation>Recordes</translation>
    </message>
    <message id="textes.quitter">
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message id="textes.hint_texture_plateau">
        <source>Changing the texture of background</source>
        <translation>Mudar a textura do tabuleiro</translation>
    </message>
    <message id="textes.hint_texture_bille">
        <source>Changing the texture of marbles</source>
        <translation>Mudar a textura das bolinhas</translation>
    </message>
    <message id="textes.hint_infos">
        <source>About Trelmo</source>
        <translation>Sobre o Trelmo</translation>
    </message>
    <message id="textes.hint_aide">
        <source>Show help</source>
        <translation>Ver a ajuda</translation>
    </message>
    <message id="textes.hint_charger">
        <source>Loading the last game</source>
        <translation>Carregar a última partida</translation>
    </message>
    <message id="textes.hint_sauver">
        <source>Saving this game</source>
        <translation>Salvar a partida em andamento</translation>
    </message>
    <message id="textes.hint_scores">
        <source>List of the scores</source>
        <translation>Os 10 melhores recordes</translation>
    </message>
    <message id="textes.hint_quitter">
        <source>Exit game</source>
        <translation>Sair do jogo</translation>
    </message>
    <message id="textes.taille_boutons">
        <source>17</source>
        <extracomment>Pixel height of the Load, Save and Scores captions: 17, or 13 when the three words are long.</extracomment>
        <translation>17</translation>
    </message>
    <message id="textes.gagne">
        <source>CONGRATULATION !!</source>
        <translation>VOCÊ VENCEU !!</translation>
    </message>
    <message id="textes.termine">
        <source>GAME OVER</source>
        <translation>FIM DE&#xd;JOGO</translation>
    </message>
    <message id="textes.reposer">
        <source>Stop&#xd;Game</source>
        <translation>Parar&#xd;partida</translation>
    </message>
    <message id="textes.reposer_hint">
        <source>Stop this game</source>
        <translation>Parar a partida em andamento</translation>
    </message>
    <message id="textes.nouvelle">
        <source>New&#xd;Game</source>
        <translation>Nova&#xd;partida</translation>
    </message>
    <message id="textes.nouvelle_hint">
        <source>Start a new game</source>
        <translation>Começar uma nova partida</translation>
    </message>
    <message id="textes.aucune_partie">
        <source>No game saving</source>
        <translation>Nenhuma partida foi salva</translation>
    </message>
    <message id="textes.annuler_partie">
        <source>Do you want cancel this game</source>
        <translation>Deseja abandonar a partida em andamento?</translation>
    </message>
    <message id="textes.pas_de_partie">
        <source>No game</source>
        <translation>Nenhuma partida em andamento</translation>
    </message>
    <message id="textes.ecraser_partie">
        <source>Do you want save this game</source>
        <translation>A última partida salva será substituída</translation>
    </message>
    <message id="textes.mode_titre">
        <source>Level</source>
        <extracomment>Title of the dialog that chooses the board. Its middle button stays &quot;Français (37 billes)&quot; in every language.</extracomment>
        <translation>Nível</translation>
    </message>
    <message id="textes.mode_m1">
        <source>traditional (33 balls)</source>
        <translation>Inglês (33 bolinhas)</translation>
    </message>
    <message id="textes.mode_m3">
        <source>Genius (44 balls)</source>
        <translation>Gênio (44 bolinhas)</translation>
    </message>
    <message id="textes.nom_titre">
        <source>Congratulation !!</source>
        <translation>Parabéns !!</translation>
    </message>
    <message id="textes.nom_bravo">
        <source>CONGRATULATION !!</source>
        <translation>PARABÉNS !!</translation>
    </message>
    <message id="textes.nom_t1">
        <source>You are in the scores list</source>
        <translation>Você está entre os 10 melhores</translation>
    </message>
    <message id="textes.nom_t2">
        <source>Enter your name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message id="textes.nom_bravo_points">
        <source>18</source>
        <extracomment>Point size of the big congratulation line of the name dialog: 18, or 16 when it is long.</extracomment>
        <translation>18</translation>
    </message>
    <message id="textes.score_titre">
        <source>SCORES LIST</source>
        <translation>RECORDES</translation>
    </message>
    <message id="textes.score_joueur">
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message id="textes.score_bille">
        <source>balls</source>
        <translation>Bolinhas</translation>
    </message>
    <message id="textes.score_duree">
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message id="splash.credit">
        <source>The classic marble solitaire</source>
        <translation>O clássico resta um com bolinhas</translation>
    </message>
    <message id="plus.annuler">
        <source>Undo</source>
        <translation>Desfazer o salto</translation>
    </message>
    <message id="plus.refaire">
        <source>Redo</source>
        <translation>Refazer o salto</translation>
    </message>
    <message id="plus.indice">
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message id="plus.reperes">
        <source>Show landing holes</source>
        <translation>Mostrar os buracos de chegada</translation>
    </message>
    <message id="plus.taille">
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message id="plus.taille_pourcent">
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message id="plus.taille_ecran">
        <source>Fit the screen</source>
        <translation>Ajustar à tela</translation>
    </message>
    <message id="plus.plein_ecran">
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message id="plus.problemes">
        <source>Problems…</source>
        <translation>Problemas…</translation>
    </message>
    <message id="plus.statistiques">
        <source>Statistics…</source>
        <translation>Estatísticas…</translation>
    </message>
    <message id="plus.astuce">
        <source>Right-click for undo, hints and more</source>
        <translation>Clique direito: desfazer, dicas e mais</translation>
    </message>
    <message id="plus.plateau">
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message id="plus.trou">
        <source>Column %1, row %2: %3</source>
        <extracomment>Screen reader: %1 column, %2 row, %3 the state of the hole.</extracomment>
        <translation>Coluna %1, linha %2: %3</translation>
    </message>
    <message id="plus.bille">
        <source>marble</source>
        <translation>bolinha</translation>
    </message>
    <message id="plus.bille_mobile">
        <source>marble, can jump</source>
        <translation>bolinha, pode saltar</translation>
    </message>
    <message id="plus.bille_prise">
        <source>marble, held</source>
        <translation>bolinha, pega</translation>
    </message>
    <message id="plus.vide">
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message id="plus.vide_arrivee">
        <source>empty, can land here</source>
        <translation>vazio, chegada possível</translation>
    </message>
    <message id="plus.billes_restantes">
        <source>Marbles left: %1</source>
        <translation>Bolinhas restantes: %1</translation>
    </message>
    <message id="plus.temps">
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message id="plus.annonce_saut">
        <source>Jump from column %1, row %2 to column %3, row %4. %5</source>
        <extracomment>Screen reader: %1 %2 start column and row, %3 %4 landing column and row, %5 the marbles left.</extracomment>
        <translation>Salto da coluna %1, linha %2 para a coluna %3, linha %4. %5</translation>
    </message>
    <message id="plus.annonce_annule">
        <source>Jump undone. %1</source>
        <translation>Salto desfeito. %1</translation>
    </message>
    <message id="plus.reste_une">
        <source>1 marble left.</source>
        <translation>Resta uma bolinha.</translation>
    </message>
    <message id="plus.reste_n" numerus="yes">
        <source>%1 marbles left.</source>
        <translation><numerusform>Resta %1 bolinha.</numerusform><numerusform>Restam %1 bolinhas.</numerusform></translation>
    </message>
    <message id="plus.annonce_gagne">
        <source>You won! One marble left.</source>
        <translation>Você venceu! Resta uma bolinha.</translation>
    </message>
    <message id="plus.annonce_perdu" numerus="yes">
        <source>Game over. %1 marbles left.</source>
        <translation><numerusform>Fim de jogo. Resta %1 bolinha.</numerusform><numerusform>Fim de jogo. Restam %1 bolinhas.</numerusform></translation>
    </message>
    <message id="plus.partie_endommagee">
        <source>The saved game is damaged.</source>
        <translation>A partida salva está danificada.</translation>
    </message>
    <message id="plus.haut">
        <source>Jump up</source>
        <translation>Salte para cima</translation>
    </message>
    <message id="plus.droite">
        <source>Jump right</source>
        <translation>Salte para a direita</translation>
    </message>
    <message id="plus.bas">
        <source>Jump down</source>
        <translation>Salte para baixo</translation>
    </message>
    <message id="plus.gauche">
        <source>Jump left</source>
        <translation>Salte para a esquerda</translation>
    </message>
    <message id="plus.finir_une">
        <source>%1: you can still finish with 1 marble.</source>
        <translation>%1: você ainda pode terminar com uma bolinha.</translation>
    </message>
    <message id="plus.meilleur_n" numerus="yes">
        <source>%1: the best you can still reach is %2 marbles.</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: o melhor ainda possível é deixar %2 bolinha.</numerusform><numerusform>%1: o melhor ainda possível é deixar %2 bolinhas.</numerusform></translation>
    </message>
    <message id="plus.non_prouve" numerus="yes">
        <source>%1: best found so far, %2 marbles (not proven).</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: melhor resultado encontrado, %2 bolinha (não provado).</numerusform><numerusform>%1: melhor resultado encontrado, %2 bolinhas (não provado).</numerusform></translation>
    </message>
    <message id="plus.cible_atteignable">
        <source>%1: you can still finish on the target.</source>
        <translation>%1: você ainda pode terminar no alvo.</translation>
    </message>
    <message id="plus.cible_perdue" numerus="yes">
        <source>%1: the target is out of reach; the best you can reach is %2 marbles.</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: o alvo não é mais alcançável; o melhor é deixar %2 bolinha.</numerusform><numerusform>%1: o alvo não é mais alcançável; o melhor é deixar %2 bolinhas.</numerusform></translation>
    </message>
    <message id="plus.prise_faite">
        <source>marble picked up</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the marble there is picked up.</extracomment>
        <translation>bolinha pega</translation>
    </message>
    <message id="plus.prise_reposee">
        <source>marble put back</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the held marble is put back.</extracomment>
        <translation>bolinha devolvida</translation>
    </message>
    <message id="plus.pas_de_saut">
        <source>cannot jump from here</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the marble there has no jump.</extracomment>
        <translation>não há salto possível daqui</translation>
    </message>
    <message id="plus.pas_d_arrivee">
        <source>cannot land here.</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the held marble cannot land on that hole.</extracomment>
        <translation>não é possível chegar aqui.</translation>
    </message>
    <message id="plus.partie_commencee">
        <source>New game. %1</source>
        <extracomment>Screen reader: %1 the marbles left (&quot;32 marbles left.&quot;).</extracomment>
        <translation>Nova partida. %1</translation>
    </message>
    <message id="plus.partie_chargee">
        <source>Game loaded. %1</source>
        <extracomment>Screen reader: %1 the marbles left (&quot;31 marbles left.&quot;).</extracomment>
        <translation>Partida carregada. %1</translation>
    </message>
    <message id="plus.partie_arretee">
        <source>Game stopped.</source>
        <translation>Partida interrompida.</translation>
    </message>
    <message id="plus.saut_conseille">
        <source>Jump from column %1, row %2 to column %3, row %4</source>
        <extracomment>Spoken hint: %1 %2 start column and row, %3 %4 landing column and row; the hint's sentence follows.</extracomment>
        <translation>Salto da coluna %1, linha %2 para a coluna %3, linha %4</translation>
    </message>
    <message id="plus.cible_trou">
        <source>The target is column %1, row %2.</source>
        <extracomment>Spoken hint in a problem: %1 %2 the target's column and row.</extracomment>
        <translation>O alvo é a coluna %1, linha %2.</translation>
    </message>
    <message id="problemes.titre">
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message id="problemes.plateaux[0]">
        <source>English board (33 holes)</source>
        <translation>Tabuleiro inglês (33 buracos)</translation>
    </message>
    <message id="problemes.plateaux[1]">
        <source>French board (37 holes)</source>
        <translation>Tabuleiro francês (37 buracos)</translation>
    </message>
    <message id="problemes.plateaux[2]">
        <source>Mission Impossible (45 holes)</source>
        <translation>Mission Impossible (45 buracos)</translation>
    </message>
    <message id="problemes.billes" numerus="yes">
        <source>%1 marbles</source>
        <translation><numerusform>%1 bolinha</numerusform><numerusform>%1 bolinhas</numerusform></translation>
    </message>
    <message id="problemes.finir_en">
        <source>finish on %1</source>
        <translation>terminar em %1</translation>
    </message>
    <message id="problemes.finir_partout">
        <source>finish with one marble</source>
        <translation>terminar com uma bolinha</translation>
    </message>
    <message id="problemes.separateur">
        <source>, </source>
        <extracomment>Between the marbles and the finish of a problem: &quot;6 marbles, finish on e5&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message id="problemes.serie" numerus="yes">
        <source>%1 problems, %2 solved</source>
        <extracomment>%1 the number of problems (the plural follows it), %2 how many are solved.</extracomment>
        <translation><numerusform>%1 problema, %2 resolvidos</numerusform><numerusform>%1 problemas, %2 resolvidos</numerusform></translation>
    </message>
    <message id="problemes.resolu">
        <source>Solved, best time %1</source>
        <translation>Resolvido, melhor tempo %1</translation>
    </message>
    <message id="problemes.pas_resolu">
        <source>Not solved yet</source>
        <translation>Ainda não resolvido</translation>
    </message>
    <message id="problemes.choisir_depart">
        <source>Choose the hole that starts empty</source>
        <translation>Escolha o buraco vazio no início</translation>
    </message>
    <message id="problemes.choisir_cible">
        <source>Choose the hole of the last marble</source>
        <translation>Escolha o buraco da última bolinha</translation>
    </message>
    <message id="problemes.symetriques">
        <source>The same problem turned or mirrored: %1</source>
        <translation>O mesmo problema girado ou espelhado: %1</translation>
    </message>
    <message id="problemes.autre_depart">
        <source>Escape: another starting hole</source>
        <translation>Esc: outro buraco de partida</translation>
    </message>
    <message id="problemes.trou">
        <source>Hole %1</source>
        <translation>Buraco %1</translation>
    </message>
    <message id="problemes.trou_bille">
        <source>marble</source>
        <translation>bolinha</translation>
    </message>
    <message id="problemes.trou_vide">
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message id="problemes.trou_depart">
        <source>possible start</source>
        <translation>partida possível</translation>
    </message>
    <message id="problemes.trou_cible">
        <source>possible finish</source>
        <translation>chegada possível</translation>
    </message>
    <message id="problemes.trou_resolu">
        <source>solved</source>
        <translation>resolvido</translation>
    </message>
    <message id="problemes.nom_liste">
        <source>List of problems</source>
        <translation>Lista de problemas</translation>
    </message>
    <message id="problemes.nom_plateau">
        <source>Board of the problem</source>
        <translation>Tabuleiro do problema</translation>
    </message>
    <message id="problemes.jouer">
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message id="problemes.annuler">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="problemes.stats_titre">
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message id="problemes.onglets[0]">
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message id="problemes.onglets[1]">
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message id="problemes.onglets[2]">
        <source>Mission Impossible</source>
        <translation>Mission Impossible</translation>
    </message>
    <message id="problemes.onglets[3]">
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message id="problemes.commencees">
        <source>Games started</source>
        <translation>Partidas iniciadas</translation>
    </message>
    <message id="problemes.terminees">
        <source>Games finished</source>
        <translation>Partidas terminadas</translation>
    </message>
    <message id="problemes.gagnees">
        <source>Games won</source>
        <translation>Partidas vencidas</translation>
    </message>
    <message id="problemes.moins_de_billes">
        <source>Fewest marbles left</source>
        <translation>Menos bolinhas restantes</translation>
    </message>
    <message id="problemes.meilleur_temps">
        <source>Best time</source>
        <translation>Melhor tempo</translation>
    </message>
    <message id="problemes.moyenne">
        <source>Mean result</source>
        <translation>Resultado médio</translation>
    </message>
    <message id="problemes.serie_en_cours">
        <source>Current winning streak</source>
        <translation>Vitórias seguidas</translation>
    </message>
    <message id="problemes.meilleure_serie">
        <source>Best winning streak</source>
        <translation>Melhor sequência</translation>
    </message>
    <message id="problemes.indices">
        <source>Hints used</source>
        <translation>Dicas usadas</translation>
    </message>
    <message id="problemes.resolus">
        <source>Problems solved</source>
        <translation>Problemas resolvidos</translation>
    </message>
    <message id="problemes.sur">
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message id="problemes.aucun">
        <source>–</source>
        <translation>–</translation>
    </message>
    <message id="problemes.graphique">
        <source>Marbles left at the end of a game</source>
        <translation>Bolinhas restantes no fim da partida</translation>
    </message>
    <message id="problemes.graphique_vide">
        <source>No finished game yet</source>
        <translation>Nenhuma partida terminada</translation>
    </message>
    <message id="problemes.graphique_barre" numerus="yes">
        <source>%1 marbles left: %2 games</source>
        <extracomment>Screen reader, one bar of the chart: %1 marbles left, %2 games (the plural follows %2).</extracomment>
        <translation><numerusform>%1 bolinhas restantes: %2 partida</numerusform><numerusform>%1 bolinhas restantes: %2 partidas</numerusform></translation>
    </message>
    <message id="problemes.nom_onglets">
        <source>Boards</source>
        <translation>Tabuleiros</translation>
    </message>
    <message id="problemes.decimale">
        <source>.</source>
        <extracomment>Decimal separator of the mean result: one character.</extracomment>
        <translation>,</translation>
    </message>
    <message id="problemes.par_probleme[0]">
        <source>Problem</source>
        <extracomment>Heading of the statistics' per-problem table: the problem's name.</extracomment>
        <translation>Problema</translation>
    </message>
    <message id="problemes.par_probleme[1]">
        <source>Started</source>
        <extracomment>Heading of the per-problem table: games started.</extracomment>
        <translation>Iniciadas</translation>
    </message>
    <message id="problemes.par_probleme[2]">
        <source>Won</source>
        <extracomment>Heading of the per-problem table: games won.</extracomment>
        <translation>Vencidas</translation>
    </message>
    <message id="problemes.par_probleme[3]">
        <source>Best time</source>
        <extracomment>Heading of the per-problem table: best time.</extracomment>
        <translation>Melhor tempo</translation>
    </message>
    <message id="problemes.par_probleme[4]">
        <source>Hints</source>
        <extracomment>Heading of the per-problem table: hints used.</extracomment>
        <translation>Dicas</translation>
    </message>
    <message id="problemes.ligne_probleme">
        <source>%1: started %2, won %3, best time %4, hints %5</source>
        <extracomment>Screen reader, a row of the per-problem table: %1 the problem, %2 started, %3 won, %4 best time, %5 hints.</extracomment>
        <translation>%1: iniciadas %2, vencidas %3, melhor tempo %4, dicas %5</translation>
    </message>
    <message id="problemes.nom_par_probleme">
        <source>Per problem</source>
        <extracomment>Screen reader: name of the statistics' per-problem table.</extracomment>
        <translation>Por problema</translation>
    </message>
    <message id="problemes.nom_scores">
        <source>The ten best scores</source>
        <extracomment>Screen reader: name of the score table.</extracomment>
        <translation>Os dez melhores recordes</translation>
    </message>
    <message id="problemes.ligne_score">
        <source>%1. %2: %3, %4: %5, %6: %7</source>
        <extracomment>Screen reader, a row of the score table: %1 rank, %2 %4 %6 the headings, %3 %5 %7 their values.</extracomment>
        <translation>%1. %2: %3, %4: %5, %6: %7</translation>
    </message>
    <message id="fichiers.lecture">
        <source>The file %1 cannot be read (%2): your scores and choices will not be kept.</source>
        <extracomment>Files: %1 the settings file's path, %2 why it cannot be read (one of the reasons below).</extracomment>
        <translation>Não é possível ler o arquivo %1 (%2): seus recordes e suas escolhas não serão guardados.</translation>
    </message>
    <message id="fichiers.ecriture">
        <source>The file %1 cannot be written (%2): your scores and choices will not be kept.</source>
        <extracomment>Files: %1 the settings file's path, %2 why it cannot be written.</extracomment>
        <translation>Não é possível gravar o arquivo %1 (%2): seus recordes e suas escolhas não serão guardados.</translation>
    </message>
    <message id="fichiers.permission">
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message id="fichiers.lecture_seule">
        <source>read-only file system</source>
        <translation>sistema de arquivos somente leitura</translation>
    </message>
    <message id="fichiers.disque_plein">
        <source>disk full</source>
        <translation>disco cheio</translation>
    </message>
    <message id="fichiers.dossier_introuvable">
        <source>folder not found</source>
        <translation>pasta não encontrada</translation>
    </message>
    <message id="fichiers.dossier_du_nom">
        <source>a folder has that name</source>
        <translation>uma pasta tem esse nome</translation>
    </message>
    <message id="fichiers.nom_incorrect">
        <source>invalid file name</source>
        <translation>nome de arquivo inválido</translation>
    </message>
    <message id="fichiers.entree_sortie">
        <source>disk input/output error</source>
        <translation>erro de entrada/saída do disco</translation>
    </message>
    <message id="fichiers.systeme">
        <source>system error %1</source>
        <extracomment>Files, a reason: %1 the system's error number.</extracomment>
        <translation>erro do sistema %1</translation>
    </message>
    <message id="fichiers.stats_recent">
        <source>The statistics file “%1” comes from a newer version of Trelmo: it is left as it is and the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's name.</extracomment>
        <translation>O arquivo de estatísticas “%1” vem de uma versão mais recente do Trelmo: ele fica como está e as estatísticas desta sessão não serão guardadas.</translation>
    </message>
    <message id="fichiers.stats_pas_de_cote">
        <source>The statistics file “%1” is unreadable or damaged and could not be set aside: it is left as it is and the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's name.</extracomment>
        <translation>O arquivo de estatísticas “%1” está ilegível ou danificado e não pôde ser posto de lado: ele fica como está e as estatísticas desta sessão não serão guardadas.</translation>
    </message>
    <message id="fichiers.stats_ecriture">
        <source>The statistics file “%1” cannot be written (%2): the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's path, %2 why it cannot be written.</extracomment>
        <translation>Não é possível gravar o arquivo de estatísticas “%1” (%2): as estatísticas desta sessão não serão guardadas.</translation>
    </message>
    <message id="fichiers.stats_mis_de_cote">
        <source>The statistics file was unreadable or damaged: it has been set aside as “%1” and the statistics start afresh.</source>
        <extracomment>Files: %1 the name the damaged file is kept under.</extracomment>
        <translation>O arquivo de estatísticas estava ilegível ou danificado: ele foi posto de lado com o nome “%1” e as estatísticas recomeçam do zero.</translation>
    </message>
    <message id="probleme.croix">
        <source>The Cross</source>
        <translation>A cruz</translation>
    </message>
    <message id="probleme.plus">
        <source>The Plus</source>
        <translation>O sinal de mais</translation>
    </message>
    <message id="probleme.double-croix">
        <source>The Double Cross</source>
        <translation>A cruz dupla</translation>
    </message>
    <message id="probleme.cheminee">
        <source>The Fireplace</source>
        <translation>A lareira</translation>
    </message>
    <message id="probleme.calice">
        <source>The Goblet</source>
        <translation>O cálice</translation>
    </message>
    <message id="probleme.sapin">
        <source>The Fir Tree</source>
        <translation>O pinheiro</translation>
    </message>
    <message id="probleme.lampe">
        <source>The Lamp</source>
        <translation>A lâmpada</translation>
    </message>
    <message id="probleme.pyramide">
        <source>The Pyramid</source>
        <translation>A pirâmide</translation>
    </message>
    <message id="probleme.fleche">
        <source>The Up Arrow</source>
        <translation>A flecha</translation>
    </message>
    <message id="probleme.losange">
        <source>The Diamond</source>
        <translation>O losango</translation>
    </message>
    <message id="groupe.anglais-trou">
        <source>One empty hole</source>
        <translation>Um só buraco vazio</translation>
    </message>
    <message id="probleme.francais-couronne">
        <source>The Crown</source>
        <translation>A coroa</translation>
    </message>
    <message id="probleme.francais-bague">
        <source>The Ring</source>
        <translation>O anel</translation>
    </message>
    <message id="groupe.francais-trou">
        <source>One empty hole</source>
        <translation>Um só buraco vazio</translation>
    </message>
    <message id="probleme.mission-grande-croix">
        <source>The Great Cross</source>
        <translation>A grande cruz</translation>
    </message>
    <message id="probleme.mission-fusee">
        <source>The Rocket</source>
        <translation>O foguete</translation>
    </message>
    <message id="probleme.mission-totem">
        <source>The Totem Pole</source>
        <translation>O totem</translation>
    </message>
    <message id="groupe.mission-depart">
        <source>Standard start</source>
        <translation>Partida clássica</translation>
    </message>
    <message id="serie.anglais-trou">
        <source>{depart} empty, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {depart} the hole that starts empty, {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>{depart} vazio, terminar em {cible}</translation>
    </message>
    <message id="serie.francais-trou">
        <source>{depart} empty, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {depart} the hole that starts empty, {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>{depart} vazio, terminar em {cible}</translation>
    </message>
    <message id="serie.mission-depart">
        <source>Standard start, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>Partida clássica, terminar em {cible}</translation>
    </message>
    <message id="plus.reprendre">
        <source>Resume last game</source>
        <extracomment>Context menu command (Ctrl+R): takes up the game kept when the program last ended.</extracomment>
        <translation>Retomar a última partida</translation>
    </message>
    <message id="plus.reprise_gardee">
        <source>The last game was kept: Ctrl+R (or “Resume last game” in the right-click menu) takes it up again.</source>
        <extracomment>Balloon at the start when the game in progress at the last exit was kept.</extracomment>
        <translation>A última partida foi guardada: Ctrl+R (ou “Retomar a última partida” no menu do botão direito) a retoma.</translation>
    </message>
    <message id="plus.reprise_faite">
        <source>Last game taken up again. %1</source>
        <extracomment>Spoken when the kept game is back on the board: %1 the marbles left (&quot;24 marbles left.&quot;).</extracomment>
        <translation>Última partida retomada. %1</translation>
    </message>
    <message id="plus.reprise_endommagee">
        <source>The file of the last game was unreadable or damaged: it has been set aside and that game cannot be taken up again.</source>
        <extracomment>Message when the file of the kept game cannot be read.</extracomment>
        <translation>O arquivo da última partida estava ilegível ou danificado: foi posto de lado e essa partida não pode ser retomada.</translation>
    </message>
    <message id="plus.abandon_annule">
        <source>Game back on the board. %1</source>
        <extracomment>Spoken when Ctrl+Z brings back a game that was stopped or replaced: %1 the marbles left.</extracomment>
        <translation>Partida de volta ao tabuleiro. %1</translation>
    </message>
    <message id="plus.copier">
        <source>Copy position</source>
        <extracomment>Context menu command (Ctrl+C): the position on the board to the clipboard as text.</extracomment>
        <translation>Copiar a posição</translation>
    </message>
    <message id="plus.coller">
        <source>Paste problem</source>
        <extracomment>Context menu command (Ctrl+V): opens a position held by the clipboard as a problem.</extracomment>
        <translation>Colar um problema</translation>
    </message>
    <message id="plus.copie_faite">
        <source>Position copied to the clipboard as text.</source>
        <extracomment>Balloon and speech after Copy.</extracomment>
        <translation>Posição copiada para a área de transferência como texto.</translation>
    </message>
    <message id="plus.texte_refuse">
        <source>This text is not a position of the game: a picture of the English, French or 45-hole board is wanted, one line a row, “o” for a marble and “.” for an empty hole.</source>
        <extracomment>Message when pasted or imported text holds no position.</extracomment>
        <translation>Este texto não é uma posição do jogo: é preciso um desenho do tabuleiro inglês, francês ou de 45 furos, uma linha por fileira, “o” para uma bolinha e “.” para um furo vazio.</translation>
    </message>
    <message id="plus.exporter">
        <source>Export…</source>
        <extracomment>Command: writes the position or problem to a text file.</extracomment>
        <translation>Exportar…</translation>
    </message>
    <message id="plus.importer">
        <source>Import…</source>
        <extracomment>Command: reads a problem from a text file.</extracomment>
        <translation>Importar…</translation>
    </message>
    <message id="plus.fichier_ecriture">
        <source>“%1” cannot be written.</source>
        <extracomment>Message when an exported file cannot be written: %1 its path.</extracomment>
        <translation>Não é possível gravar “%1”.</translation>
    </message>
    <message id="plus.filtre">
        <source>Board pictures (*.txt)</source>
        <extracomment>File dialog filter of the problem files; keep (*.txt).</extracomment>
        <translation>Desenhos de tabuleiro (*.txt)</translation>
    </message>
    <message id="plus.nouveau_probleme">
        <source>New problem…</source>
        <extracomment>Context menu command (E): opens the problem editor.</extracomment>
        <translation>Novo problema…</translation>
    </message>
    <message id="plus.editeur_titre">
        <source>Problem editor</source>
        <extracomment>Title of the problem editor.</extracomment>
        <translation>Editor de problemas</translation>
    </message>
    <message id="plus.editeur_aide">
        <source>Click: put or take a marble. Right-click: ring the target. Keyboard: arrows, Space, T.</source>
        <extracomment>Line under the editor's board.</extracomment>
        <translation>Clique: pôr ou tirar uma bolinha. Botão direito: marcar o alvo. Teclado: setas, Espaço, T.</translation>
    </message>
    <message id="plus.editeur_plateau">
        <source>Board:</source>
        <extracomment>Label of the board chooser in the editor.</extracomment>
        <translation>Tabuleiro:</translation>
    </message>
    <message id="plus.editeur_nom">
        <source>Name:</source>
        <extracomment>Label of the name field in the editor.</extracomment>
        <translation>Nome:</translation>
    </message>
    <message id="plus.editeur_garder">
        <source>Keep</source>
        <extracomment>Editor button: keeps the problem in My problems.</extracomment>
        <translation>Guardar</translation>
    </message>
    <message id="plus.editeur_jouer">
        <source>Play</source>
        <extracomment>Editor button: plays the position as a problem.</extracomment>
        <translation>Jogar</translation>
    </message>
    <message id="plus.editeur_fermer">
        <source>Close</source>
        <extracomment>Editor button.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message id="plus.editeur_vider">
        <source>Empty</source>
        <extracomment>Editor button: every hole empty.</extracomment>
        <translation>Esvaziar</translation>
    </message>
    <message id="plus.editeur_remplir">
        <source>Fill</source>
        <extracomment>Editor button: a marble in every hole.</extracomment>
        <translation>Encher</translation>
    </message>
    <message id="plus.editeur_nom_defaut">
        <source>My problem %1</source>
        <extracomment>Name given to a new problem: %1 its number.</extracomment>
        <translation>Meu problema %1</translation>
    </message>
    <message id="plus.editeur_garde">
        <source>“%1” is kept in My problems.</source>
        <extracomment>Spoken and shown when a problem is kept: %1 its name.</extracomment>
        <translation>“%1” foi guardado em Meus problemas.</translation>
    </message>
    <message id="plus.editeur_cible">
        <source>%1, target</source>
        <extracomment>Screen reader, editor: the state of the target hole, %1 &quot;marble&quot; or &quot;empty&quot;.</extracomment>
        <translation>%1, alvo</translation>
    </message>
    <message id="plus.verdict_attente">
        <source>Thinking…</source>
        <extracomment>Editor: the solver is still thinking about the position.</extracomment>
        <translation>Pensando…</translation>
    </message>
    <message id="plus.verdict_un">
        <source>Can finish with 1 marble on %1 (proven)</source>
        <extracomment>Editor verdict: %1 the hole (&quot;e5&quot;).</extracomment>
        <translation>Pode terminar com 1 bolinha em %1 (provado)</translation>
    </message>
    <message id="plus.verdict_meilleur" numerus="yes">
        <source>Best: %1 marbles (proven)</source>
        <extracomment>Editor verdict: %1 the fewest marbles that can be left.</extracomment>
        <translation><numerusform>Melhor: %1 bolinha (provado)</numerusform><numerusform>Melhor: %1 bolinhas (provado)</numerusform></translation>
    </message>
    <message id="plus.verdict_non_prouve" numerus="yes">
        <source>Best found so far: %1 marbles (not proven)</source>
        <extracomment>Editor verdict: %1 the fewest marbles a line found leaves.</extracomment>
        <translation><numerusform>Melhor encontrado até agora: %1 bolinha (não provado)</numerusform><numerusform>Melhor encontrado até agora: %1 bolinhas (não provado)</numerusform></translation>
    </message>
    <message id="plus.verdict_cible_perdue" numerus="yes">
        <source>Target out of reach; best: %1 marbles (proven)</source>
        <extracomment>Editor verdict with a target that cannot be reached: %1 the fewest marbles.</extracomment>
        <translation><numerusform>Alvo inalcançável; melhor: %1 bolinha (provado)</numerusform><numerusform>Alvo inalcançável; melhor: %1 bolinhas (provado)</numerusform></translation>
    </message>
    <message id="plus.verdict_aucun">
        <source>No jump possible</source>
        <extracomment>Editor verdict: no marble can jump.</extracomment>
        <translation>Nenhum salto possível</translation>
    </message>
    <message id="plus.mes_problemes">
        <source>My problems</source>
        <extracomment>Title of the list of the problems the player made.</extracomment>
        <translation>Meus problemas</translation>
    </message>
    <message id="plus.renommer">
        <source>Rename…</source>
        <extracomment>My problems: button.</extracomment>
        <translation>Renomear…</translation>
    </message>
    <message id="plus.supprimer">
        <source>Delete</source>
        <extracomment>My problems: button.</extracomment>
        <translation>Excluir</translation>
    </message>
    <message id="plus.supprimer_question">
        <source>Delete “%1”?</source>
        <extracomment>My problems: confirmation, %1 the problem's name.</extracomment>
        <translation>Excluir “%1”?</translation>
    </message>
    <message id="plus.mes_problemes_endommages">
        <source>The file of your problems was unreadable or damaged: it has been set aside as “%1” and the list starts empty.</source>
        <extracomment>Message when the file of the player's problems is damaged: %1 the name it is kept under.</extracomment>
        <translation>O arquivo dos seus problemas estava ilegível ou danificado: foi posto de lado como “%1” e a lista começa vazia.</translation>
    </message>
    <message id="plus.mes_problemes_ecriture">
        <source>Your problems cannot be written to “%1”.</source>
        <extracomment>Message when the file of the player's problems cannot be written: %1 its path.</extracomment>
        <translation>Seus problemas não podem ser gravados em “%1”.</translation>
    </message>
    <message id="plus.mes_problemes_aucun">
        <source>No problem of your own yet: press E on the board to make one.</source>
        <extracomment>My problems: the list is empty.</extracomment>
        <translation>Ainda não há problemas seus: pressione E no tabuleiro para criar um.</translation>
    </message>
    <message id="plus.regarder">
        <source>Watch the solution</source>
        <extracomment>Context menu command (W): the solver's line played jump by jump.</extracomment>
        <translation>Ver a solução</translation>
    </message>
    <message id="plus.regarder_debut">
        <source>Watching the solution: Space pauses, the arrows step back and forth, Escape stops.</source>
        <extracomment>Balloon and speech when watching starts on a proven line.</extracomment>
        <translation>Vendo a solução: Espaço pausa, as setas avançam e voltam, Esc para.</translation>
    </message>
    <message id="plus.regarder_non_prouve">
        <source>Best line found (not proven): Space pauses, the arrows step back and forth, Escape stops.</source>
        <extracomment>Balloon and speech when watching starts on a line that is not proven the best.</extracomment>
        <translation>Melhor linha encontrada (não provada): Espaço pausa, as setas avançam e voltam, Esc para.</translation>
    </message>
    <message id="plus.regarder_saut">
        <source>Jump %1 of %2: column %3, row %4 to column %5, row %6.</source>
        <extracomment>Spoken for each watched jump: %1 its number, %2 the jumps of the line, %3 %4 from column and row, %5 %6 to column and row.</extracomment>
        <translation>Salto %1 de %2: coluna %3, fileira %4 para coluna %5, fileira %6.</translation>
    </message>
    <message id="plus.regarder_pause">
        <source>Paused</source>
        <extracomment>Spoken when watching is paused or goes on.</extracomment>
        <translation>Pausado</translation>
    </message>
    <message id="plus.regarder_fin">
        <source>Watching ended. %1</source>
        <extracomment>Spoken when watching ends: %1 the marbles left.</extracomment>
        <translation>Fim da demonstração. %1</translation>
    </message>
    <message id="plus.animation">
        <source>Animate jumps</source>
        <extracomment>Context menu setting: the player's jumps are shown sliding.</extracomment>
        <translation>Animar os saltos</translation>
    </message>
</context>
</TS>
