<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_GB">
<context>
    <name>trelmo</name>
    <message id="textes.texture_plateau">
        <source>Background</source>
        <translation>棋盘</translation>
    </message>
    <message id="textes.texture_bille">
        <source>Marbles</source>
        <translation>弹珠</translation>
    </message>
    <message id="textes.infos">
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message id="textes.aide">
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message id="textes.charger">
        <source>Load</source>
        <translation>读取</translation>
    </message>
    <message id="textes.sauver">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="textes.scores">
        <source>Scores</source>
        <translation>排行榜</translation>
    </message>
    <message id="textes.quitter">
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message id="textes.hint_texture_plateau">
        <source>Changing the texture of background</source>
        <translation>更换棋盘的纹理</translation>
    </message>
    <message id="textes.hint_texture_bille">
        <source>Changing the texture of marbles</source>
        <translation>更换弹珠的纹理</translation>
    </message>
    <message id="textes.hint_infos">
        <source>About Trelmo</source>
        <translation>关于 Trelmo</translation>
    </message>
    <message id="textes.hint_aide">
        <source>Show help</source>
        <translation>查看帮助</translation>
    </message>
    <message id="textes.hint_charger">
        <source>Loading the last game</source>
        <translation>读取上次保存的棋局</translation>
    </message>
    <message id="textes.hint_sauver">
        <source>Saving this game</source>
        <translation>保存当前棋局</translation>
    </message>
    <message id="textes.hint_scores">
        <source>List of the scores</source>
        <translation>前 10 名成绩</translation>
    </message>
    <message id="textes.hint_quitter">
        <source>Exit game</source>
        <translation>退出游戏</translation>
    </message>
    <message id="textes.taille_boutons">
        <source>17</source>
        <extracomment>Pixel height of the Load, Save and Scores captions: 17, or 13 when the three words are long.</extracomment>
        <translation>17</translation>
    </message>
    <message id="textes.gagne">
        <source>CONGRATULATION !!</source>
        <translation>你赢了！！</translation>
    </message>
    <message id="textes.termine">
        <source>GAME OVER</source>
        <translation>游戏结束</translation>
    </message>
    <message id="textes.reposer">
        <source>Stop&#xd;Game</source>
        <translation>停止&#xd;游戏</translation>
    </message>
    <message id="textes.reposer_hint">
        <source>Stop this game</source>
        <translation>停止当前棋局</translation>
    </message>
    <message id="textes.nouvelle">
        <source>New&#xd;Game</source>
        <translation>开始&#xd;新游戏</translation>
    </message>
    <message id="textes.nouvelle_hint">
        <source>Start a new game</source>
        <translation>开始新的一局</translation>
    </message>
    <message id="textes.aucune_partie">
        <source>No game saving</source>
        <translation>没有已保存的棋局</translation>
    </message>
    <message id="textes.annuler_partie">
        <source>Do you want cancel this game</source>
        <translation>要放弃当前棋局吗？</translation>
    </message>
    <message id="textes.pas_de_partie">
        <source>No game</source>
        <translation>当前没有进行中的棋局</translation>
    </message>
    <message id="textes.ecraser_partie">
        <source>Do you want save this game</source>
        <translation>将覆盖上次保存的棋局</translation>
    </message>
    <message id="textes.mode_titre">
        <source>Level</source>
        <extracomment>Title of the dialog that chooses the board. Its middle button stays &quot;Français (37 billes)&quot; in every language.</extracomment>
        <translation>级别</translation>
    </message>
    <message id="textes.mode_m1">
        <source>traditional (33 balls)</source>
        <translation>英式（33 颗弹珠）</translation>
    </message>
    <message id="textes.mode_m3">
        <source>Genius (44 balls)</source>
        <translation>天才（44 颗弹珠）</translation>
    </message>
    <message id="textes.nom_titre">
        <source>Congratulation !!</source>
        <translation>恭喜！！</translation>
    </message>
    <message id="textes.nom_bravo">
        <source>CONGRATULATION !!</source>
        <translation>恭喜！！</translation>
    </message>
    <message id="textes.nom_t1">
        <source>You are in the scores list</source>
        <translation>你进入了前 10 名</translation>
    </message>
    <message id="textes.nom_t2">
        <source>Enter your name</source>
        <translation>请输入你的名字</translation>
    </message>
    <message id="textes.nom_bravo_points">
        <source>18</source>
        <extracomment>Point size of the big congratulation line of the name dialog: 18, or 16 when it is long.</extracomment>
        <translation>18</translation>
    </message>
    <message id="textes.score_titre">
        <source>SCORES LIST</source>
        <translation>成绩榜</translation>
    </message>
    <message id="textes.score_joueur">
        <source>Player</source>
        <translation>玩家</translation>
    </message>
    <message id="textes.score_bille">
        <source>balls</source>
        <translation>弹珠</translation>
    </message>
    <message id="textes.score_duree">
        <source>Time</source>
        <translation>用时</translation>
    </message>
    <message id="splash.credit">
        <source>The classic marble solitaire</source>
        <translation>经典弹珠独立钻石棋</translation>
    </message>
    <message id="plus.annuler">
        <source>Undo</source>
        <translation>撤销这一步</translation>
    </message>
    <message id="plus.refaire">
        <source>Redo</source>
        <translation>重做这一步</translation>
    </message>
    <message id="plus.indice">
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message id="plus.reperes">
        <source>Show landing holes</source>
        <translation>显示可落下的孔</translation>
    </message>
    <message id="plus.taille">
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message id="plus.taille_pourcent">
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message id="plus.taille_ecran">
        <source>Fit the screen</source>
        <translation>适应屏幕</translation>
    </message>
    <message id="plus.plein_ecran">
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message id="plus.problemes">
        <source>Problems…</source>
        <translation>题目…</translation>
    </message>
    <message id="plus.statistiques">
        <source>Statistics…</source>
        <translation>统计…</translation>
    </message>
    <message id="plus.astuce">
        <source>Right-click for undo, hints and more</source>
        <translation>右键单击：撤销、提示等更多功能</translation>
    </message>
    <message id="plus.plateau">
        <source>Board</source>
        <translation>棋盘</translation>
    </message>
    <message id="plus.trou">
        <source>Column %1, row %2: %3</source>
        <extracomment>Screen reader: %1 column, %2 row, %3 the state of the hole.</extracomment>
        <translation>第 %1 列，第 %2 行：%3</translation>
    </message>
    <message id="plus.bille">
        <source>marble</source>
        <translation>弹珠</translation>
    </message>
    <message id="plus.bille_mobile">
        <source>marble, can jump</source>
        <translation>弹珠，可以跳</translation>
    </message>
    <message id="plus.bille_prise">
        <source>marble, held</source>
        <translation>弹珠，已拿起</translation>
    </message>
    <message id="plus.vide">
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message id="plus.vide_arrivee">
        <source>empty, can land here</source>
        <translation>空，可以落在这里</translation>
    </message>
    <message id="plus.billes_restantes">
        <source>Marbles left: %1</source>
        <translation>剩余弹珠：%1</translation>
    </message>
    <message id="plus.temps">
        <source>Time: %1</source>
        <translation>用时：%1</translation>
    </message>
    <message id="plus.annonce_saut">
        <source>Jump from column %1, row %2 to column %3, row %4. %5</source>
        <extracomment>Screen reader: %1 %2 start column and row, %3 %4 landing column and row, %5 the marbles left.</extracomment>
        <translation>从第 %1 列第 %2 行跳到第 %3 列第 %4 行。%5</translation>
    </message>
    <message id="plus.annonce_annule">
        <source>Jump undone. %1</source>
        <translation>已撤销一步。%1</translation>
    </message>
    <message id="plus.reste_une">
        <source>1 marble left.</source>
        <translation>还剩一颗弹珠。</translation>
    </message>
    <message id="plus.reste_n" numerus="yes">
        <source>%1 marbles left.</source>
        <translation><numerusform>还剩 %1 颗弹珠。</numerusform></translation>
    </message>
    <message id="plus.annonce_gagne">
        <source>You won! One marble left.</source>
        <translation>你赢了！只剩一颗弹珠。</translation>
    </message>
    <message id="plus.annonce_perdu" numerus="yes">
        <source>Game over. %1 marbles left.</source>
        <translation><numerusform>游戏结束。还剩 %1 颗弹珠。</numerusform></translation>
    </message>
    <message id="plus.partie_endommagee">
        <source>The saved game is damaged.</source>
        <translation>保存的棋局已损坏。</translation>
    </message>
    <message id="plus.haut">
        <source>Jump up</source>
        <translation>向上跳</translation>
    </message>
    <message id="plus.droite">
        <source>Jump right</source>
        <translation>向右跳</translation>
    </message>
    <message id="plus.bas">
        <source>Jump down</source>
        <translation>向下跳</translation>
    </message>
    <message id="plus.gauche">
        <source>Jump left</source>
        <translation>向左跳</translation>
    </message>
    <message id="plus.finir_une">
        <source>%1: you can still finish with 1 marble.</source>
        <translation>%1：仍然可以只剩一颗弹珠。</translation>
    </message>
    <message id="plus.meilleur_n" numerus="yes">
        <source>%1: the best you can still reach is %2 marbles.</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1：最好还能剩下 %2 颗弹珠。</numerusform></translation>
    </message>
    <message id="plus.non_prouve" numerus="yes">
        <source>%1: best found so far, %2 marbles (not proven).</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1：目前找到的最好结果是 %2 颗弹珠（未证明）。</numerusform></translation>
    </message>
    <message id="plus.cible_atteignable">
        <source>%1: you can still finish on the target.</source>
        <translation>%1：仍然可以在目标孔结束。</translation>
    </message>
    <message id="plus.cible_perdue" numerus="yes">
        <source>%1: the target is out of reach; the best you can reach is %2 marbles.</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1：已无法到达目标孔；最好还能剩下 %2 颗弹珠。</numerusform></translation>
    </message>
    <message id="plus.prise_faite">
        <source>marble picked up</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the marble there is picked up.</extracomment>
        <translation>已拿起弹珠</translation>
    </message>
    <message id="plus.prise_reposee">
        <source>marble put back</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the held marble is put back.</extracomment>
        <translation>已放回弹珠</translation>
    </message>
    <message id="plus.pas_de_saut">
        <source>cannot jump from here</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the marble there has no jump.</extracomment>
        <translation>从这里无法跳</translation>
    </message>
    <message id="plus.pas_d_arrivee">
        <source>cannot land here.</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the held marble cannot land on that hole.</extracomment>
        <translation>这里无法落下。</translation>
    </message>
    <message id="plus.partie_commencee">
        <source>New game. %1</source>
        <extracomment>Screen reader: %1 the marbles left (&quot;32 marbles left.&quot;).</extracomment>
        <translation>新游戏。%1</translation>
    </message>
    <message id="plus.partie_chargee">
        <source>Game loaded. %1</source>
        <extracomment>Screen reader: %1 the marbles left (&quot;31 marbles left.&quot;).</extracomment>
        <translation>已读取棋局。%1</translation>
    </message>
    <message id="plus.partie_arretee">
        <source>Game stopped.</source>
        <translation>游戏已停止。</translation>
    </message>
    <message id="plus.saut_conseille">
        <source>Jump from column %1, row %2 to column %3, row %4</source>
        <extracomment>Spoken hint: %1 %2 start column and row, %3 %4 landing column and row; the hint's sentence follows.</extracomment>
        <translation>从第 %1 列第 %2 行跳到第 %3 列第 %4 行</translation>
    </message>
    <message id="plus.cible_trou">
        <source>The target is column %1, row %2.</source>
        <extracomment>Spoken hint in a problem: %1 %2 the target's column and row.</extracomment>
        <translation>目标孔是第 %1 列第 %2 行。</translation>
    </message>
    <message id="problemes.titre">
        <source>Problems</source>
        <translation>题目</translation>
    </message>
    <message id="problemes.plateaux[0]">
        <source>English board (33 holes)</source>
        <translation>英式棋盘（33 孔）</translation>
    </message>
    <message id="problemes.plateaux[1]">
        <source>French board (37 holes)</source>
        <translation>法式棋盘（37 孔）</translation>
    </message>
    <message id="problemes.plateaux[2]">
        <source>Mission Impossible (45 holes)</source>
        <translation>Mission Impossible（45 孔）</translation>
    </message>
    <message id="problemes.billes" numerus="yes">
        <source>%1 marbles</source>
        <translation><numerusform>%1 颗弹珠</numerusform></translation>
    </message>
    <message id="problemes.finir_en">
        <source>finish on %1</source>
        <translation>在 %1 结束</translation>
    </message>
    <message id="problemes.finir_partout">
        <source>finish with one marble</source>
        <translation>只剩一颗弹珠</translation>
    </message>
    <message id="problemes.separateur">
        <source>, </source>
        <extracomment>Between the marbles and the finish of a problem: &quot;6 marbles, finish on e5&quot;.</extracomment>
        <translation>，</translation>
    </message>
    <message id="problemes.serie" numerus="yes">
        <source>%1 problems, %2 solved</source>
        <extracomment>%1 the number of problems (the plural follows it), %2 how many are solved.</extracomment>
        <translation><numerusform>%1 道题，已解 %2 道</numerusform></translation>
    </message>
    <message id="problemes.resolu">
        <source>Solved, best time %1</source>
        <translation>已解决，最佳用时 %1</translation>
    </message>
    <message id="problemes.pas_resolu">
        <source>Not solved yet</source>
        <translation>尚未解决</translation>
    </message>
    <message id="problemes.choisir_depart">
        <source>Choose the hole that starts empty</source>
        <translation>选择开始时的空孔</translation>
    </message>
    <message id="problemes.choisir_cible">
        <source>Choose the hole of the last marble</source>
        <translation>选择最后一颗弹珠所在的孔</translation>
    </message>
    <message id="problemes.symetriques">
        <source>The same problem turned or mirrored: %1</source>
        <translation>旋转或镜像后的同一道题：%1</translation>
    </message>
    <message id="problemes.autre_depart">
        <source>Escape: another starting hole</source>
        <translation>Esc：换一个起始孔</translation>
    </message>
    <message id="problemes.trou">
        <source>Hole %1</source>
        <translation>孔 %1</translation>
    </message>
    <message id="problemes.trou_bille">
        <source>marble</source>
        <translation>弹珠</translation>
    </message>
    <message id="problemes.trou_vide">
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message id="problemes.trou_depart">
        <source>possible start</source>
        <translation>可作起始孔</translation>
    </message>
    <message id="problemes.trou_cible">
        <source>possible finish</source>
        <translation>可作终点</translation>
    </message>
    <message id="problemes.trou_resolu">
        <source>solved</source>
        <translation>已解决</translation>
    </message>
    <message id="problemes.nom_liste">
        <source>List of problems</source>
        <translation>题目列表</translation>
    </message>
    <message id="problemes.nom_plateau">
        <source>Board of the problem</source>
        <translation>题目的棋盘</translation>
    </message>
    <message id="problemes.jouer">
        <source>Play</source>
        <translation>开始</translation>
    </message>
    <message id="problemes.annuler">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="problemes.stats_titre">
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message id="problemes.onglets[0]">
        <source>English</source>
        <translation>英式</translation>
    </message>
    <message id="problemes.onglets[1]">
        <source>French</source>
        <translation>法式</translation>
    </message>
    <message id="problemes.onglets[2]">
        <source>Mission Impossible</source>
        <translation>Mission Impossible</translation>
    </message>
    <message id="problemes.onglets[3]">
        <source>Problems</source>
        <translation>题目</translation>
    </message>
    <message id="problemes.commencees">
        <source>Games started</source>
        <translation>开始的局数</translation>
    </message>
    <message id="problemes.terminees">
        <source>Games finished</source>
        <translation>结束的局数</translation>
    </message>
    <message id="problemes.gagnees">
        <source>Games won</source>
        <translation>获胜的局数</translation>
    </message>
    <message id="problemes.moins_de_billes">
        <source>Fewest marbles left</source>
        <translation>最少剩余弹珠</translation>
    </message>
    <message id="problemes.meilleur_temps">
        <source>Best time</source>
        <translation>最佳用时</translation>
    </message>
    <message id="problemes.moyenne">
        <source>Mean result</source>
        <translation>平均结果</translation>
    </message>
    <message id="problemes.serie_en_cours">
        <source>Current winning streak</source>
        <translation>当前连胜</translation>
    </message>
    <message id="problemes.meilleure_serie">
        <source>Best winning streak</source>
        <translation>最佳连胜</translation>
    </message>
    <message id="problemes.indices">
        <source>Hints used</source>
        <translation>使用的提示</translation>
    </message>
    <message id="problemes.resolus">
        <source>Problems solved</source>
        <translation>已解的题目</translation>
    </message>
    <message id="problemes.sur">
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message id="problemes.aucun">
        <source>–</source>
        <translation>–</translation>
    </message>
    <message id="problemes.graphique">
        <source>Marbles left at the end of a game</source>
        <translation>每局结束时剩余的弹珠</translation>
    </message>
    <message id="problemes.graphique_vide">
        <source>No finished game yet</source>
        <translation>还没有结束的棋局</translation>
    </message>
    <message id="problemes.graphique_barre" numerus="yes">
        <source>%1 marbles left: %2 games</source>
        <extracomment>Screen reader, one bar of the chart: %1 marbles left, %2 games (the plural follows %2).</extracomment>
        <translation><numerusform>剩余 %1 颗弹珠：%2 局</numerusform></translation>
    </message>
    <message id="problemes.nom_onglets">
        <source>Boards</source>
        <translation>棋盘</translation>
    </message>
    <message id="problemes.decimale">
        <source>.</source>
        <extracomment>Decimal separator of the mean result: one character.</extracomment>
        <translation>.</translation>
    </message>
    <message id="problemes.par_probleme[0]">
        <source>Problem</source>
        <extracomment>Heading of the statistics' per-problem table: the problem's name.</extracomment>
        <translation>题目</translation>
    </message>
    <message id="problemes.par_probleme[1]">
        <source>Started</source>
        <extracomment>Heading of the per-problem table: games started.</extracomment>
        <translation>开始</translation>
    </message>
    <message id="problemes.par_probleme[2]">
        <source>Won</source>
        <extracomment>Heading of the per-problem table: games won.</extracomment>
        <translation>获胜</translation>
    </message>
    <message id="problemes.par_probleme[3]">
        <source>Best time</source>
        <extracomment>Heading of the per-problem table: best time.</extracomment>
        <translation>最佳用时</translation>
    </message>
    <message id="problemes.par_probleme[4]">
        <source>Hints</source>
        <extracomment>Heading of the per-problem table: hints used.</extracomment>
        <translation>提示</translation>
    </message>
    <message id="problemes.ligne_probleme">
        <source>%1: started %2, won %3, best time %4, hints %5</source>
        <extracomment>Screen reader, a row of the per-problem table: %1 the problem, %2 started, %3 won, %4 best time, %5 hints.</extracomment>
        <translation>%1：开始 %2 局，获胜 %3 局，最佳用时 %4，提示 %5 次</translation>
    </message>
    <message id="problemes.nom_par_probleme">
        <source>Per problem</source>
        <extracomment>Screen reader: name of the statistics' per-problem table.</extracomment>
        <translation>各题目成绩</translation>
    </message>
    <message id="problemes.nom_scores">
        <source>The ten best scores</source>
        <extracomment>Screen reader: name of the score table.</extracomment>
        <translation>前十名成绩</translation>
    </message>
    <message id="problemes.ligne_score">
        <source>%1. %2: %3, %4: %5, %6: %7</source>
        <extracomment>Screen reader, a row of the score table: %1 rank, %2 %4 %6 the headings, %3 %5 %7 their values.</extracomment>
        <translation>%1. %2：%3，%4：%5，%6：%7</translation>
    </message>
    <message id="fichiers.lecture">
        <source>The file %1 cannot be read (%2): your scores and choices will not be kept.</source>
        <extracomment>Files: %1 the settings file's path, %2 why it cannot be read (one of the reasons below).</extracomment>
        <translation>无法读取文件 %1（%2）：成绩和设置将不会保存。</translation>
    </message>
    <message id="fichiers.ecriture">
        <source>The file %1 cannot be written (%2): your scores and choices will not be kept.</source>
        <extracomment>Files: %1 the settings file's path, %2 why it cannot be written.</extracomment>
        <translation>无法写入文件 %1（%2）：成绩和设置将不会保存。</translation>
    </message>
    <message id="fichiers.permission">
        <source>permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message id="fichiers.lecture_seule">
        <source>read-only file system</source>
        <translation>只读文件系统</translation>
    </message>
    <message id="fichiers.disque_plein">
        <source>disk full</source>
        <translation>磁盘已满</translation>
    </message>
    <message id="fichiers.dossier_introuvable">
        <source>folder not found</source>
        <translation>找不到文件夹</translation>
    </message>
    <message id="fichiers.dossier_du_nom">
        <source>a folder has that name</source>
        <translation>已有同名文件夹</translation>
    </message>
    <message id="fichiers.nom_incorrect">
        <source>invalid file name</source>
        <translation>文件名无效</translation>
    </message>
    <message id="fichiers.entree_sortie">
        <source>disk input/output error</source>
        <translation>磁盘输入/输出错误</translation>
    </message>
    <message id="fichiers.systeme">
        <source>system error %1</source>
        <extracomment>Files, a reason: %1 the system's error number.</extracomment>
        <translation>系统错误 %1</translation>
    </message>
    <message id="fichiers.stats_recent">
        <source>The statistics file “%1” comes from a newer version of Trelmo: it is left as it is and the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's name.</extracomment>
        <translation>统计文件“%1”来自更新版本的 Trelmo：它将保持原样，本次的统计将不会保存。</translation>
    </message>
    <message id="fichiers.stats_pas_de_cote">
        <source>The statistics file “%1” is unreadable or damaged and could not be set aside: it is left as it is and the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's name.</extracomment>
        <translation>统计文件“%1”无法读取或已损坏，且无法移到一旁：它将保持原样，本次的统计将不会保存。</translation>
    </message>
    <message id="fichiers.stats_ecriture">
        <source>The statistics file “%1” cannot be written (%2): the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's path, %2 why it cannot be written.</extracomment>
        <translation>无法写入统计文件“%1”（%2）：本次的统计将不会保存。</translation>
    </message>
    <message id="fichiers.stats_mis_de_cote">
        <source>The statistics file was unreadable or damaged: it has been set aside as “%1” and the statistics start afresh.</source>
        <extracomment>Files: %1 the name the damaged file is kept under.</extracomment>
        <translation>统计文件无法读取或已损坏：已将其改名为“%1”移到一旁，统计从零开始。</translation>
    </message>
    <message id="probleme.croix">
        <source>The Cross</source>
        <translation>十字</translation>
    </message>
    <message id="probleme.plus">
        <source>The Plus</source>
        <translation>加号</translation>
    </message>
    <message id="probleme.double-croix">
        <source>The Double Cross</source>
        <translation>双十字</translation>
    </message>
    <message id="probleme.cheminee">
        <source>The Fireplace</source>
        <translation>壁炉</translation>
    </message>
    <message id="probleme.calice">
        <source>The Goblet</source>
        <translation>高脚杯</translation>
    </message>
    <message id="probleme.sapin">
        <source>The Fir Tree</source>
        <translation>冷杉</translation>
    </message>
    <message id="probleme.lampe">
        <source>The Lamp</source>
        <translation>灯</translation>
    </message>
    <message id="probleme.pyramide">
        <source>The Pyramid</source>
        <translation>金字塔</translation>
    </message>
    <message id="probleme.fleche">
        <source>The Up Arrow</source>
        <translation>箭头</translation>
    </message>
    <message id="probleme.losange">
        <source>The Diamond</source>
        <translation>菱形</translation>
    </message>
    <message id="groupe.anglais-trou">
        <source>One empty hole</source>
        <translation>只有一个空孔</translation>
    </message>
    <message id="probleme.francais-couronne">
        <source>The Crown</source>
        <translation>王冠</translation>
    </message>
    <message id="probleme.francais-bague">
        <source>The Ring</source>
        <translation>戒指</translation>
    </message>
    <message id="groupe.francais-trou">
        <source>One empty hole</source>
        <translation>只有一个空孔</translation>
    </message>
    <message id="probleme.mission-grande-croix">
        <source>The Great Cross</source>
        <translation>大十字</translation>
    </message>
    <message id="probleme.mission-fusee">
        <source>The Rocket</source>
        <translation>火箭</translation>
    </message>
    <message id="probleme.mission-totem">
        <source>The Totem Pole</source>
        <translation>图腾柱</translation>
    </message>
    <message id="groupe.mission-depart">
        <source>Standard start</source>
        <translation>标准开局</translation>
    </message>
    <message id="serie.anglais-trou">
        <source>{depart} empty, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {depart} the hole that starts empty, {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>{depart} 空，在 {cible} 结束</translation>
    </message>
    <message id="serie.francais-trou">
        <source>{depart} empty, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {depart} the hole that starts empty, {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>{depart} 空，在 {cible} 结束</translation>
    </message>
    <message id="serie.mission-depart">
        <source>Standard start, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>标准开局，在 {cible} 结束</translation>
    </message>
    <message id="plus.reprendre">
        <source>Resume last game</source>
        <extracomment>Context menu command (Ctrl+R): takes up the game kept when the program last ended.</extracomment>
        <translation>继续上一局</translation>
    </message>
    <message id="plus.reprise_gardee">
        <source>The last game was kept: Ctrl+R (or “Resume last game” in the right-click menu) takes it up again.</source>
        <extracomment>Balloon at the start when the game in progress at the last exit was kept.</extracomment>
        <translation>上一局已保留：按 Ctrl+R（或右键菜单中的“继续上一局”）即可继续。</translation>
    </message>
    <message id="plus.reprise_faite">
        <source>Last game taken up again. %1</source>
        <extracomment>Spoken when the kept game is back on the board: %1 the marbles left (&quot;24 marbles left.&quot;).</extracomment>
        <translation>已继续上一局。%1</translation>
    </message>
    <message id="plus.reprise_endommagee">
        <source>The file of the last game was unreadable or damaged: it has been set aside and that game cannot be taken up again.</source>
        <extracomment>Message when the file of the kept game cannot be read.</extracomment>
        <translation>上一局的文件无法读取或已损坏：已将其移到一旁，该局无法继续。</translation>
    </message>
    <message id="plus.abandon_annule">
        <source>Game back on the board. %1</source>
        <extracomment>Spoken when Ctrl+Z brings back a game that was stopped or replaced: %1 the marbles left.</extracomment>
        <translation>棋局已恢复到棋盘上。%1</translation>
    </message>
    <message id="plus.copier">
        <source>Copy position</source>
        <extracomment>Context menu command (Ctrl+C): the position on the board to the clipboard as text.</extracomment>
        <translation>复制局面</translation>
    </message>
    <message id="plus.coller">
        <source>Paste problem</source>
        <extracomment>Context menu command (Ctrl+V): opens a position held by the clipboard as a problem.</extracomment>
        <translation>粘贴题目</translation>
    </message>
    <message id="plus.copie_faite">
        <source>Position copied to the clipboard as text.</source>
        <extracomment>Balloon and speech after Copy.</extracomment>
        <translation>局面已作为文本复制到剪贴板。</translation>
    </message>
    <message id="plus.texte_refuse">
        <source>This text is not a position of the game: a picture of the English, French or 45-hole board is wanted, one line a row, “o” for a marble and “.” for an empty hole.</source>
        <extracomment>Message when pasted or imported text holds no position.</extracomment>
        <translation>这段文本不是本游戏的局面：需要英式、法式或 45 孔棋盘的图示，每行一排，“o”表示弹珠，“.”表示空孔。</translation>
    </message>
    <message id="plus.exporter">
        <source>Export…</source>
        <extracomment>Command: writes the position or problem to a text file.</extracomment>
        <translation>导出…</translation>
    </message>
    <message id="plus.importer">
        <source>Import…</source>
        <extracomment>Command: reads a problem from a text file.</extracomment>
        <translation>导入…</translation>
    </message>
    <message id="plus.fichier_ecriture">
        <source>“%1” cannot be written.</source>
        <extracomment>Message when an exported file cannot be written: %1 its path.</extracomment>
        <translation>无法写入“%1”。</translation>
    </message>
    <message id="plus.filtre">
        <source>Board pictures (*.txt)</source>
        <extracomment>File dialog filter of the problem files; keep (*.txt).</extracomment>
        <translation>棋盘图示 (*.txt)</translation>
    </message>
    <message id="plus.nouveau_probleme">
        <source>New problem…</source>
        <extracomment>Context menu command (E): opens the problem editor.</extracomment>
        <translation>新建题目…</translation>
    </message>
    <message id="plus.editeur_titre">
        <source>Problem editor</source>
        <extracomment>Title of the problem editor.</extracomment>
        <translation>题目编辑器</translation>
    </message>
    <message id="plus.editeur_aide">
        <source>Click: put or take a marble. Right-click: ring the target. Keyboard: arrows, Space, T.</source>
        <extracomment>Line under the editor's board.</extracomment>
        <translation>单击：放入或取出弹珠。右键：圈出目标孔。键盘：方向键、空格、T。</translation>
    </message>
    <message id="plus.editeur_plateau">
        <source>Board:</source>
        <extracomment>Label of the board chooser in the editor.</extracomment>
        <translation>棋盘：</translation>
    </message>
    <message id="plus.editeur_nom">
        <source>Name:</source>
        <extracomment>Label of the name field in the editor.</extracomment>
        <translation>名称：</translation>
    </message>
    <message id="plus.editeur_garder">
        <source>Keep</source>
        <extracomment>Editor button: keeps the problem in My problems.</extracomment>
        <translation>保留</translation>
    </message>
    <message id="plus.editeur_jouer">
        <source>Play</source>
        <extracomment>Editor button: plays the position as a problem.</extracomment>
        <translation>开始</translation>
    </message>
    <message id="plus.editeur_fermer">
        <source>Close</source>
        <extracomment>Editor button.</extracomment>
        <translation>关闭</translation>
    </message>
    <message id="plus.editeur_vider">
        <source>Empty</source>
        <extracomment>Editor button: every hole empty.</extracomment>
        <translation>清空</translation>
    </message>
    <message id="plus.editeur_remplir">
        <source>Fill</source>
        <extracomment>Editor button: a marble in every hole.</extracomment>
        <translation>填满</translation>
    </message>
    <message id="plus.editeur_nom_defaut">
        <source>My problem %1</source>
        <extracomment>Name given to a new problem: %1 its number.</extracomment>
        <translation>我的题目 %1</translation>
    </message>
    <message id="plus.editeur_garde">
        <source>“%1” is kept in My problems.</source>
        <extracomment>Spoken and shown when a problem is kept: %1 its name.</extracomment>
        <translation>“%1”已保存到“我的题目”。</translation>
    </message>
    <message id="plus.editeur_cible">
        <source>%1, target</source>
        <extracomment>Screen reader, editor: the state of the target hole, %1 &quot;marble&quot; or &quot;empty&quot;.</extracomment>
        <translation>%1，目标孔</translation>
    </message>
    <message id="plus.verdict_attente">
        <source>Thinking…</source>
        <extracomment>Editor: the solver is still thinking about the position.</extracomment>
        <translation>正在思考…</translation>
    </message>
    <message id="plus.verdict_un">
        <source>Can finish with 1 marble on %1 (proven)</source>
        <extracomment>Editor verdict: %1 the hole (&quot;e5&quot;).</extracomment>
        <translation>可以剩 1 颗弹珠结束于 %1（已证明）</translation>
    </message>
    <message id="plus.verdict_meilleur" numerus="yes">
        <source>Best: %1 marbles (proven)</source>
        <extracomment>Editor verdict: %1 the fewest marbles that can be left.</extracomment>
        <translation><numerusform>最佳：%1 颗弹珠（已证明）</numerusform></translation>
    </message>
    <message id="plus.verdict_non_prouve" numerus="yes">
        <source>Best found so far: %1 marbles (not proven)</source>
        <extracomment>Editor verdict: %1 the fewest marbles a line found leaves.</extracomment>
        <translation><numerusform>目前找到的最佳：%1 颗弹珠（未证明）</numerusform></translation>
    </message>
    <message id="plus.verdict_cible_perdue" numerus="yes">
        <source>Target out of reach; best: %1 marbles (proven)</source>
        <extracomment>Editor verdict with a target that cannot be reached: %1 the fewest marbles.</extracomment>
        <translation><numerusform>无法到达目标孔；最佳：%1 颗弹珠（已证明）</numerusform></translation>
    </message>
    <message id="plus.verdict_aucun">
        <source>No jump possible</source>
        <extracomment>Editor verdict: no marble can jump.</extracomment>
        <translation>无法跳跃</translation>
    </message>
    <message id="plus.mes_problemes">
        <source>My problems</source>
        <extracomment>Title of the list of the problems the player made.</extracomment>
        <translation>我的题目</translation>
    </message>
    <message id="plus.renommer">
        <source>Rename…</source>
        <extracomment>My problems: button.</extracomment>
        <translation>重命名…</translation>
    </message>
    <message id="plus.supprimer">
        <source>Delete</source>
        <extracomment>My problems: button.</extracomment>
        <translation>删除</translation>
    </message>
    <message id="plus.supprimer_question">
        <source>Delete “%1”?</source>
        <extracomment>My problems: confirmation, %1 the problem's name.</extracomment>
        <translation>删除“%1”？</translation>
    </message>
    <message id="plus.mes_problemes_endommages">
        <source>The file of your problems was unreadable or damaged: it has been set aside as “%1” and the list starts empty.</source>
        <extracomment>Message when the file of the player's problems is damaged: %1 the name it is kept under.</extracomment>
        <translation>你的题目文件无法读取或已损坏：已另存为“%1”，列表从空开始。</translation>
    </message>
    <message id="plus.mes_problemes_ecriture">
        <source>Your problems cannot be written to “%1”.</source>
        <extracomment>Message when the file of the player's problems cannot be written: %1 its path.</extracomment>
        <translation>无法将你的题目写入“%1”。</translation>
    </message>
    <message id="plus.mes_problemes_aucun">
        <source>No problem of your own yet: press E on the board to make one.</source>
        <extracomment>My problems: the list is empty.</extracomment>
        <translation>还没有自己的题目：在棋盘上按 E 新建一个。</translation>
    </message>
    <message id="plus.regarder">
        <source>Watch the solution</source>
        <extracomment>Context menu command (W): the solver's line played jump by jump.</extracomment>
        <translation>观看解法</translation>
    </message>
    <message id="plus.regarder_debut">
        <source>Watching the solution: Space pauses, the arrows step back and forth, Escape stops.</source>
        <extracomment>Balloon and speech when watching starts on a proven line.</extracomment>
        <translation>正在演示解法：空格暂停，方向键前后单步，Esc 停止。</translation>
    </message>
    <message id="plus.regarder_non_prouve">
        <source>Best line found (not proven): Space pauses, the arrows step back and forth, Escape stops.</source>
        <extracomment>Balloon and speech when watching starts on a line that is not proven the best.</extracomment>
        <translation>找到的最佳走法（未证明）：空格暂停，方向键前后单步，Esc 停止。</translation>
    </message>
    <message id="plus.regarder_saut">
        <source>Jump %1 of %2: column %3, row %4 to column %5, row %6.</source>
        <extracomment>Spoken for each watched jump: %1 its number, %2 the jumps of the line, %3 %4 from column and row, %5 %6 to column and row.</extracomment>
        <translation>第 %1 步，共 %2 步：第 %3 列第 %4 行跳到第 %5 列第 %6 行。</translation>
    </message>
    <message id="plus.regarder_pause">
        <source>Paused</source>
        <extracomment>Spoken when watching is paused or goes on.</extracomment>
        <translation>已暂停</translation>
    </message>
    <message id="plus.regarder_fin">
        <source>Watching ended. %1</source>
        <extracomment>Spoken when watching ends: %1 the marbles left.</extracomment>
        <translation>演示结束。%1</translation>
    </message>
    <message id="plus.animation">
        <source>Animate jumps</source>
        <extracomment>Context menu setting: the player's jumps are shown sliding.</extracomment>
        <translation>跳跃动画</translation>
    </message>
</context>
</TS>
