<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot open a display; set DISPLAY or WAYLAND_DISPLAY</source>
        <translation>cannot open a display; set DISPLAY or WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>潮汐货郎 (Tide Peddler): sixty days to get rich in Qingdao.</source>
        <translation>潮汐货郎 (Tide Peddler): sixty days to get rich in Qingdao.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>Print the hall of fame, the best finished runs, and exit.</source>
        <translation>Print the hall of fame, the best finished runs, and exit.</translation>
    </message>
    <message>
        <source>Start the random generator from &lt;N&gt; (0 to 4294967295) to replay a game.</source>
        <translation>Start the random generator from &lt;N&gt; (0 to 4294967295) to replay a game.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Usage: tidepeddler [options]</source>
        <translation>Usage: tidepeddler [options]</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unknown option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Missing value after &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unexpected argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The option --seed may be given only once.</source>
        <translation>The option --seed may be given only once.</translation>
    </message>
    <message>
        <source>Invalid seed &apos;%1&apos;: expected a whole number from 0 to 4294967295.</source>
        <translation>Invalid seed &apos;%1&apos;: expected a whole number from 0 to 4294967295.</translation>
    </message>
    <message>
        <source>Print the statistics of every journey ended so far, and exit.</source>
        <translation>Print the statistics of every journey ended so far, and exit.</translation>
    </message>
    <message>
        <source>Print the journal of the saved journey, or of the last run that ended, and exit.</source>
        <translation>Print the journal of the saved journey, or of the last run that ended, and exit.</translation>
    </message>
    <message>
        <source>no journal to show: no journey is saved and no run has ended</source>
        <translation>no journal to show: no journey is saved and no run has ended</translation>
    </message>
    <message>
        <source>Print the best run found for seed &lt;N&gt;: its plan, the amount it reaches and the bound no run of the seed passes; then exit.</source>
        <translation>Print the best run found for seed &lt;N&gt;: its plan, the amount it reaches and the bound no run of the seed passes; then exit.</translation>
    </message>
    <message>
        <source>With --best-run: print it as one JSON object.</source>
        <translation>With --best-run: print it as one JSON object.</translation>
    </message>
    <message>
        <source>The option --json goes with --best-run.</source>
        <translation>The option --json goes with --best-run.</translation>
    </message>
</context>
<context>
    <name>Diary</name>
    <message>
        <source>      晴</source>
        <translation>      Sunny</translation>
    </message>
    <message>
        <source>街道的王大妈嘲笑俺没有城市户口，俺一生气和她吵了起来，结果被她学柔道的儿子好一个蹂躏，健康减少了20点。</source>
        <translation>Auntie Wang mocked me for having no city papers. I mouthed off, and her judo-mad son wiped the floor with me. Health -20</translation>
    </message>
    <message>
        <source>      阴天</source>
        <translation>      Overcast</translation>
    </message>
    <message>
        <source>今天清早去做生意，无意中居然在排水沟捡到一枚金戒指，俺把它给卖给了珠宝商店赚了1000块钱。金钱＋1000</source>
        <translation>Off to work at dawn, I found a gold ring in a gutter, of all places! A jeweller gave me 1000 for it. Cash +1000</translation>
    </message>
    <message>
        <source>      小雨</source>
        <translation>      Light rain</translation>
    </message>
    <message>
        <source>婚姻中介给俺介绍了个“美女”，要了俺300元钱，到约会地点打远一看吓的我赶快打的跑了，唉！盈亏跑的快！金钱－307</source>
        <translation>A matchmaker charged me 300 to meet a &quot;beauty&quot;. One look from afar and I fled in a taxi. Lucky I&apos;m quick! Cash -307</translation>
    </message>
    <message>
        <source>      晴天</source>
        <translation>      Fine</translation>
    </message>
    <message>
        <source>一个要饭的教给俺几句青岛方言：“天上有个卜嘎，整天受尽了卡打，它看见一只尬啦～”感觉很有趣，健康＋５</source>
        <translation>A beggar taught me some Qingdao talk: &quot;A bu-ga up in the sky got ka-da&apos;d all day, then spied a ga-la...&quot; What a hoot! Health +5</translation>
    </message>
    <message>
        <source>      大风</source>
        <translation>      Windy</translation>
    </message>
    <message>
        <source>早上出摊，几个青岛小哥说看俺不顺眼把我拳打脚踢,俺哭了一晚上。健康－30.</source>
        <translation>At my stall this morning, some Qingdao lads didn&apos;t like my face and gave me a kicking. Cried all night. Health -30</translation>
    </message>
    <message>
        <source>      晴朗</source>
        <translation>      Clear</translation>
    </message>
    <message>
        <source>今天看到大街上有几个老头打够级，俺上去凑了把手，把正事赚钱给忘了，白白的浪费了一天的时间。天数－１</source>
        <translation>Old-timers were playing Gouji cards in the street. I sat in for a hand and blew the whole day. Days -1</translation>
    </message>
    <message>
        <source>城管说俺无照经营、偷税漏税、卖假冒伪劣商品，把俺带到了城管大队教育，让俺补交税款，金钱－25%</source>
        <translation>City inspectors nabbed me for no licence, tax dodging and selling fakes, gave me a lecture and made me pay back taxes. Cash -25%</translation>
    </message>
    <message>
        <source>城市人瞧不起俺农村的，俺来到夜总会也享受一下城市生活，吃了点东西，喝了点啤酒。结账要了我200。金钱-200</source>
        <translation>City folk look down on country boys, so I hit a nightclub to live it up. A bite to eat and a few beers: 200! Cash -200</translation>
    </message>
    <message>
        <source>      小雪</source>
        <translation>      Light snow</translation>
    </message>
    <message>
        <source>今天过中秋节，小破屋中只有俺一个人，我想家了，买了瓶二锅头喝了几口就倒下了，吐了好久。健康-10</source>
        <translation>Mid-Autumn Festival, alone in my shack and homesick. A few swigs of rotgut and I keeled over, puking for ages. Health -10</translation>
    </message>
    <message>
        <source>俺到福利院申请了一份贫困基金，我可以用这币钱好好的发展自己，虽然只有５００块。金钱＋500</source>
        <translation>Got a hardship grant from the welfare office. Only 500, but I&apos;ll put every bit of it to good use. Cash +500</translation>
    </message>
    <message>
        <source>听同行说最近关税上涨国外电脑很贵，消费者都喜欢买假冒P4电脑，唉！图财害了这些人呀！</source>
        <translation>Word is import duties are up and foreign PCs cost a bomb, so folks snap up knockoff P4 PCs. Sigh! Cheap&apos;ll cost &apos;em dear!</translation>
    </message>
    <message>
        <source>青岛海关增大了执法力度，致使走私进口车无法入关。市面上的走私进口汽车销路旺盛显的异常火爆！</source>
        <translation>Qingdao customs cracked down, so no smuggled cars get in. The ones already here are selling like hot cakes!</translation>
    </message>
    <message>
        <source>      阴</source>
        <translation>      Grey</translation>
    </message>
    <message>
        <source>公安局把俺抓了去，说俺是谋杀嫌疑人，最后核实我和那个人只不过是同名，唉，浪费一天的时间！</source>
        <translation>The police hauled me in as a murder suspect. Turns out I just share the fella&apos;s name. Sigh, a whole day wasted!</translation>
    </message>
    <message>
        <source>俺在马路上捡到一个弃婴，俺把他送到了社会福利院去，结果还登上了报纸。呵呵！健康＋１０</source>
        <translation>Found an abandoned baby by the road and took him to the orphanage. Got my name in the paper, too. Heh heh! Health +10</translation>
    </message>
    <message>
        <source>今天俺到银行去查利息，结果发现无故多出了2000元钱，俺想我不说没有人会知道！存款＋2000</source>
        <translation>At the bank to check my interest, I found 2000 extra out of nowhere. If I keep mum, who&apos;s to know? Savings +2000</translation>
    </message>
    <message>
        <source>岛城流行起了写真热潮，《日本美女写真》显的格外的火爆，来购买的人络绎不绝，！</source>
        <translation>Photo albums are all the rage in the Island City, and &quot;Japan Pin-Ups&quot; is the hottest of all. Buyers are queuing up!</translation>
    </message>
    <message>
        <source>最近岛城流行着一句话：不爱美女爱古玩。所以好多市民去买古玩，而写真集却无人问津。</source>
        <translation>The Island City&apos;s new saying: &quot;Forget pretty girls, love antiques!&quot; Folks are buying antiques and nobody wants pin-ups.</translation>
    </message>
    <message>
        <source>贩子疏通了各大商场，致使假冒名牌化妆品销路旺盛。贩子们说：便宜才是硬道理呀！</source>
        <translation>Dealers have greased palms at all the big stores, so knockoff makeup is flying off the shelves. As they say: cheap is king!</translation>
    </message>
    <message>
        <source>青岛市文化局大检查，盗版CD、VCD窝点被端，盗版CD、VCD变的格外抢手！</source>
        <translation>The city&apos;s culture bureau raided the pirate dens, and now pirate CDs and VCDs are hot property!</translation>
    </message>
    <message>
        <source>一个有经验的同行告诉我把低纯度的白金项链当成足金项链卖可以赚好多钱！我要试试看！</source>
        <translation>An old hand says you can make a packet selling impure platinum chains as solid gold. I&apos;ll give it a go!</translation>
    </message>
    <message>
        <source>      酷热</source>
        <translation>      Scorching</translation>
    </message>
    <message>
        <source>今天气温有37度，热死俺了，我到各大商场一看，劣质“三无”空调的销路异常的火爆！</source>
        <translation>37 degrees today, I&apos;m roasting! Went round the big stores, and no-name A/Cs are selling like crazy!</translation>
    </message>
    <message>
        <source>      还好</source>
        <translation>      Not bad</translation>
    </message>
    <message>
        <source>计算机专业的朋友说，现在盗版图书质量很好，错别字少了，和正版的几乎没有区别，销路很好！</source>
        <translation>My computer-whiz pal says pirate PC books are real good now: hardly a typo, just like the real thing. Selling well!</translation>
    </message>
    <message>
        <source>      阴有小雨</source>
        <translation>      Drizzly</translation>
    </message>
    <message>
        <source>一个奸商告诉我，把“现代”内存打磨后当做kingmax内存卖可以多赚好多钱。哈哈，试试看！</source>
        <translation>A crook told me to sand the labels off cheap RAM and sell it as a top brand for way more. Ha, worth a try!</translation>
    </message>
    <message>
        <source>       小雨</source>
        <translation>       Light rain</translation>
    </message>
    <message>
        <source>今天在街上碰到一个陌生人，他问我要不要DVD高品质影碟，我看了看，这里来购买的客人可真不少呀！</source>
        <translation>A stranger in the street asked if I wanted high-quality DVDs. Looking round, there sure are plenty of buyers here!</translation>
    </message>
    <message>
        <source>       晴朗</source>
        <translation>       Clear</translation>
    </message>
    <message>
        <source>小学生听着MP3对你说，现在很流行这个，只要把想听的音乐用电脑传过来就可以听，而且音质不错的！</source>
        <translation>A schoolkid with an MP3 player says they&apos;re all the rage: load your songs off a computer and listen. Sounds good, too!</translation>
    </message>
    <message>
        <source>信息城老板告诉你最近因为正品墨盒价格上涨，所以灌装墨盒十分畅销，他问俺有没有货，他要高价收购！</source>
        <translation>The computer-mall boss says real ink cartridges cost more now, so refills sell like mad. He&apos;ll pay top price if I&apos;ve got any!</translation>
    </message>
    <message>
        <source>俺遇到一个送礼的，他告诉俺现在当官的很腐败，送礼要送好的，问俺能不能给他弄点走私名牌烟酒。他说贵点没关系</source>
        <translation>A fella shopping for bribes says officials want only the best. Could I get him smuggled booze and smokes? Price no object.</translation>
    </message>
    <message>
        <source>一个老汉拿着一瓶高甲醇的白酒正在杀老鼠，你看着很有趣，这个东西居然还可以这么用呀，老汉说这个东西好！</source>
        <translation>An old man was killing rats with a bottle of methanol hooch. Who knew it was good for that? The old boy swears by it!</translation>
    </message>
    <message>
        <source>村长顾了几个打手，来青岛找我，说看我赚钱赚的不少，欠他的钱要翻一番。还说不同意让我好看！</source>
        <translation>The village head hired some thugs and came to Qingdao after me. Says I&apos;m raking it in, so my debt&apos;s doubled. Or else!</translation>
    </message>
    <message>
        <source>青岛市立医院免费给病人看病，我一看免费就去看了一下，在护士小姐的精心治疗下，我感觉好多了</source>
        <translation>Qingdao City Hospital was treating folks for free, so along I went. After the nurses&apos; tender care I feel a whole lot better.</translation>
    </message>
    <message>
        <source>       多云</source>
        <translation>       Cloudy</translation>
    </message>
    <message>
        <source>今天我买了一张齐鲁福利彩票，谁知道中了个三等奖，去了个人所得税还净挣3000呢！</source>
        <translation>Bought a Shandong welfare lottery ticket today and, blow me down, won third prize! 3000 clear, after income tax!</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>路人甲</source>
        <translation>Nobody</translation>
    </message>
    <message>
        <source>银行存款</source>
        <translation>Bank Deposit</translation>
    </message>
    <message>
        <source>银行取款</source>
        <translation>Bank Withdrawal</translation>
    </message>
    <message>
        <source>定期检查</source>
        <translation>Checkup</translation>
    </message>
    <message>
        <source>你到挂号处挂号，小护士看你精神的很，往隔壁指了指说：&quot;同志！您走错了！精神科在隔壁挂号！&quot;</source>
        <translation>The nurse at the desk looks you over and points next door: &quot;Comrade, you&apos;re not sick! Unless it&apos;s in the head: Psychiatry is next door!&quot;</translation>
    </message>
    <message>
        <source>几位医师会诊，分析你的病情，决定用世界领先技术来对你身体做整体治疗，但是因为技术特殊，治疗每一点需要100元。&quot;</source>
        <translation>A panel of doctors studies your case and prescribes a world-class whole-body cure. It&apos;s special, so each point costs 100.</translation>
    </message>
    <message>
        <source>网吧</source>
        <translation>Net Cafe</translation>
    </message>
    <message>
        <source>中介</source>
        <translation>Agency</translation>
    </message>
    <message>
        <source>哦！您的钱不够!欢迎再次光临!</source>
        <translation>Oh! You haven&apos;t got enough money! Do come again!</translation>
    </message>
    <message>
        <source>你壮志未筹身先死，永远的从地球消失了！</source>
        <translation>You died with your great ambitions unfulfilled, and vanished from the face of the earth forever!</translation>
    </message>
    <message>
        <source>%1你在青岛共赚到了:￥%2,你高兴的回到了你的故乡</source>
        <translation>%1, you made ￥%2 in Qingdao all told, and you headed back home happy.</translation>
    </message>
    <message>
        <source>潮汐货郎 V1.00            (%1/60)</source>
        <translation>Tide Peddler V1.00            (%1/60)</translation>
    </message>
    <message>
        <source>改名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>请输入您的姓名:</source>
        <translation>Please enter your name:</translation>
    </message>
    <message>
        <source>小二黑</source>
        <translation>Xiao Erhei</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>请先选择要购买的商品！</source>
        <translation>Choose the goods you want to buy first!</translation>
    </message>
    <message>
        <source>要购买的数量：</source>
        <translation>Buy how many?</translation>
    </message>
    <message>
        <source>请先选择要卖出的商品！</source>
        <translation>Choose the goods you want to sell first!</translation>
    </message>
    <message>
        <source>店小二微笑着说：“对不起！小店不收这种产品！”</source>
        <translation>The shop boy smiles: &quot;Sorry! We don&apos;t take that sort of thing here!&quot;</translation>
    </message>
    <message>
        <source>要卖出的数量：</source>
        <translation>Sell how many?</translation>
    </message>
</context>
<context>
    <name>Goods</name>
    <message>
        <source>盗版CD、VCD</source>
        <translation>Pirate CDs/VCDs</translation>
    </message>
    <message>
        <source>假冒名牌化妆品</source>
        <translation>Knockoff makeup</translation>
    </message>
    <message>
        <source>打磨过的内存条</source>
        <translation>Re-badged RAM</translation>
    </message>
    <message>
        <source>盗版计算机书籍</source>
        <translation>Pirate PC books</translation>
    </message>
    <message>
        <source>劣质计算机电源</source>
        <translation>Shoddy PC PSUs</translation>
    </message>
    <message>
        <source>杂牌MP3播放器</source>
        <translation>Off-brand MP3s</translation>
    </message>
    <message>
        <source>走私进口汽车</source>
        <translation>Smuggled cars</translation>
    </message>
    <message>
        <source>走私名牌酒和香烟</source>
        <translation>Smuggled booze</translation>
    </message>
    <message>
        <source>进口高清晰DVD影碟</source>
        <translation>Import HD DVDs</translation>
    </message>
    <message>
        <source>《日本美女写真》</source>
        <translation>&quot;Japan Pin-Ups&quot;</translation>
    </message>
    <message>
        <source>假冒P4名牌电脑</source>
        <translation>Knockoff P4 PCs</translation>
    </message>
    <message>
        <source>低纯度的白金项链</source>
        <translation>Impure platinum</translation>
    </message>
    <message>
        <source>含有高甲醇的白酒</source>
        <translation>Methanol hooch</translation>
    </message>
    <message>
        <source>仿制的古玩、古董</source>
        <translation>Fake antiques</translation>
    </message>
    <message>
        <source>劣质&quot;三无&quot;空调</source>
        <translation>No-name A/Cs</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>火车站</source>
        <translation>Railway Station</translation>
    </message>
    <message>
        <source>李沧区</source>
        <translation>Licang District</translation>
    </message>
    <message>
        <source>栈桥</source>
        <translation>Zhanqiao Pier</translation>
    </message>
    <message>
        <source>东海路</source>
        <translation>Donghai Road</translation>
    </message>
    <message>
        <source>中山路</source>
        <translation>Zhongshan Road</translation>
    </message>
    <message>
        <source>啤酒城</source>
        <translation>Beer City</translation>
    </message>
    <message>
        <source>小青岛</source>
        <translation>Little Qingdao</translation>
    </message>
    <message>
        <source>四方区</source>
        <translation>Sifang District</translation>
    </message>
    <message>
        <source>李村集贸市场</source>
        <translation>Licun Market</translation>
    </message>
    <message>
        <source>长途站</source>
        <translation>Coach Station</translation>
    </message>
</context>
<context>
    <name>tp::app::BestRun</name>
    <message>
        <source>这个种子找到的最好一局赚到 %1；它的任何一局都到不了 %2 以上。</source>
        <translation>The best run found for this seed makes %1; no run of it can pass %2.</translation>
    </message>
</context>
<context>
    <name>tp::app::GameFaces</name>
    <message>
        <source>%1 is not in %2</source>
        <translation>%1 is not in %2</translation>
    </message>
    <message>
        <source>%1 is no usable font</source>
        <translation>%1 is no usable font</translation>
    </message>
    <message>
        <source>tidepeddler: cannot load the game&apos;s faces (%1); drawing the text from the installed fonts</source>
        <translation>tidepeddler: cannot load the game&apos;s faces (%1); drawing the text from the installed fonts</translation>
    </message>
</context>
<context>
    <name>tp::app::JourneyKeeping</name>
    <message>
        <source>这次旅程无法保存：磁盘已满，或保存的文件夹不可写。游戏可以接着玩，但关掉以后只能从上次保存的地方接着走。</source>
        <translation>This journey cannot be saved: the disk is full, or the folder cannot be written to. You can play on, but after you quit you can only go on from where it was last saved.</translation>
    </message>
</context>
<context>
    <name>tp::app::WindowSet</name>
    <message>
        <source>另一局游戏正在进行，保存的旅程归它所有；这一局不会被保存。</source>
        <translation>Another game is running and holds the saved journey; this one will not be saved.</translation>
    </message>
    <message>
        <source>保存的旅程已损坏，无法接着走，也无法把它移开。新的旅程开始了。</source>
        <translation>The saved journey is damaged: it cannot be continued, nor moved aside. A new journey has begun.</translation>
    </message>
    <message>
        <source>保存的旅程已损坏，无法接着走；原文件已改名为 %1 保留。新的旅程开始了。</source>
        <translation>The saved journey is damaged and cannot be continued; the file has been kept as %1. A new journey has begun.</translation>
    </message>
    <message>
        <source>上次的旅程已经走完，成绩已记入富豪榜（按 Ctrl+H 查看）。</source>
        <translation>Your last journey was over; its result is now in the hall of fame (press Ctrl+H to see it).</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>tp::halloffame::FameFile</name>
    <message>
        <source>no list of runs</source>
        <translation>no list of runs</translation>
    </message>
</context>
<context>
    <name>tp::halloffame::HallOfFameStore</name>
    <message>
        <source>排行榜文件中有 %1 条记录无法识别，已略过。</source>
        <extracomment>A sentence of its own, which the next may follow: where sentences are spaced, end it with a space.</extracomment>
        <translation>%1 records in the hall of fame file could not be read and were skipped. </translation>
    </message>
    <message>
        <source>另一局游戏正在写排行榜，等待超时。</source>
        <translation>Another game is writing the hall of fame; gave up waiting.</translation>
    </message>
    <message>
        <source>保存排行榜的文件夹不可写。</source>
        <translation>The folder that holds the hall of fame cannot be written to.</translation>
    </message>
    <message>
        <source>无法锁定排行榜文件。</source>
        <translation>The hall of fame file could not be locked.</translation>
    </message>
    <message>
        <source>本次成绩未能保存：%1以前的记录没有改动。</source>
        <extracomment>A sentence of its own, which the next may follow: where sentences are spaced, end it with a space.</extracomment>
        <translation>This run could not be saved: %1 Earlier records are unchanged. </translation>
    </message>
    <message>
        <source>找不到保存排行榜的文件夹。</source>
        <translation>No folder could be found to keep the hall of fame in.</translation>
    </message>
    <message>
        <source>排行榜文件已损坏，读不出以前的记录；下次回乡时会把它改名保留，排行榜重新开始。</source>
        <translation>The hall of fame file is damaged and earlier records cannot be read; at the next homecoming it will be renamed and kept, and the hall of fame will start afresh.</translation>
    </message>
    <message>
        <source>tidepeddler: hall of fame %1: %2</source>
        <translation>tidepeddler: hall of fame %1: %2</translation>
    </message>
    <message>
        <source>无法建立文件夹 %1。</source>
        <translation>Cannot create the folder %1.</translation>
    </message>
    <message>
        <source>not saved: cannot create the folder</source>
        <translation>not saved: cannot create the folder</translation>
    </message>
    <message>
        <source>not saved: cannot lock %1.lock</source>
        <translation>not saved: cannot lock %1.lock</translation>
    </message>
    <message>
        <source>原排行榜文件已损坏，已改名为 %1 保留，排行榜从本次重新开始。</source>
        <extracomment>A sentence of its own, which the next may follow: where sentences are spaced, end it with a space.</extracomment>
        <translation>The old hall of fame file was damaged; it has been kept as %1, and the hall of fame starts afresh with this run. </translation>
    </message>
    <message>
        <source>%1; moved it to %2 and started a new table</source>
        <translation>%1; moved it to %2 and started a new table</translation>
    </message>
    <message>
        <source>原排行榜文件已损坏，又无法把它移开。</source>
        <translation>The old hall of fame file is damaged and cannot be moved aside.</translation>
    </message>
    <message>
        <source>%1; cannot move it aside, not saved</source>
        <translation>%1; cannot move it aside, not saved</translation>
    </message>
    <message>
        <source>原排行榜文件已损坏，读不出以前的记录。</source>
        <extracomment>A sentence of its own, which the next may follow: where sentences are spaced, end it with a space.</extracomment>
        <translation>The old hall of fame file is damaged; earlier records cannot be read. </translation>
    </message>
    <message>
        <source>%1 rows left out, %2 changed, %3 kept of %4; the file as it was is kept as %5</source>
        <translation>%1 rows left out, %2 changed, %3 kept of %4; the file as it was is kept as %5</translation>
    </message>
    <message>
        <source>原文件另存为 %1。</source>
        <extracomment>A sentence of its own, which the next may follow: where sentences are spaced, end it with a space.</extracomment>
        <translation>The original file was kept as %1. </translation>
    </message>
    <message>
        <source>无法另存被手工改动过的排行榜文件。</source>
        <translation>A copy of the hand-edited hall of fame file could not be kept.</translation>
    </message>
    <message>
        <source>cannot keep a copy of the edited file, not saved</source>
        <translation>cannot keep a copy of the edited file, not saved</translation>
    </message>
    <message>
        <source>磁盘已满，或文件无法写入。</source>
        <translation>The disk is full, or the file cannot be written.</translation>
    </message>
    <message>
        <source>not saved: %1</source>
        <translation>not saved: %1</translation>
    </message>
</context>
<context>
    <name>tp::halloffame::ScoresTable</name>
    <message>
        <source>还没有回乡的记录：走完六十天、回到故乡的旅程会记在这里。</source>
        <translation>No homecomings yet: every run that lasts all sixty days and ends back home will be listed here.</translation>
    </message>
    <message>
        <source>名次</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>欠款</source>
        <translation>Debt</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>种子</source>
        <translation>Seed</translation>
    </message>
</context>
<context>
    <name>tp::journey::JournalArchive</name>
    <message>
        <source>&quot;journey&quot; is not a journey&apos;s name</source>
        <translation>&quot;journey&quot; is not a journey&apos;s name</translation>
    </message>
    <message>
        <source>这一局的日志已损坏，无法打开。</source>
        <translation>This run&apos;s journal is damaged and cannot be opened.</translation>
    </message>
    <message>
        <source>这一局的日志已损坏，无法打开；原文件已改名为 %1 保留。</source>
        <translation>This run&apos;s journal is damaged and cannot be opened; the file has been kept as %1.</translation>
    </message>
    <message>
        <source>the saved journey is damaged: %1</source>
        <translation>the saved journey is damaged: %1</translation>
    </message>
</context>
<context>
    <name>tp::journey::JournalFile</name>
    <message>
        <source>names nothing a journal holds</source>
        <translation>names nothing a journal holds</translation>
    </message>
    <message>
        <source>does not hold five goods</source>
        <translation>does not hold five goods</translation>
    </message>
    <message>
        <source>is longer than the rename box takes</source>
        <translation>is longer than the rename box takes</translation>
    </message>
    <message>
        <source>is no action that can be undone</source>
        <translation>is no action that can be undone</translation>
    </message>
    <message>
        <source>holds more than any run writes</source>
        <translation>holds more than any run writes</translation>
    </message>
</context>
<context>
    <name>tp::journey::JournalText</name>
    <message>
        <source>现金 %1，存款 %2，欠款 %3。</source>
        <translation>Cash %1, deposit %2, debt %3.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>行情：%1。</source>
        <extracomment>Between the goods of a market.</extracomment>
        <translation>Market: %1.</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>买进%1 %2 件，每件 %3，共 %4。</source>
        <extracomment>%1 the good, %2 how many, %3 the price of one, %4 the total.</extracomment>
        <translation>Bought %2 of %1 at %3 each, %4 in all.</translation>
    </message>
    <message>
        <source>卖出%1 %2 件，每件 %3，共 %4。</source>
        <extracomment>%1 the good, %2 how many, %3 the price of one, %4 the total.</extracomment>
        <translation>Sold %2 of %1 at %3 each, %4 in all.</translation>
    </message>
    <message>
        <source>在银行存入 %1。</source>
        <translation>Deposited %1 at the bank.</translation>
    </message>
    <message>
        <source>从银行取出 %1。</source>
        <translation>Withdrew %1 from the bank.</translation>
    </message>
    <message>
        <source>在医院治好 %1 点健康。</source>
        <translation>Had %1 points of health treated at the hospital.</translation>
    </message>
    <message>
        <source>在网吧还债 %1。</source>
        <translation>Paid back %1 of the debt at the internet café.</translation>
    </message>
    <message>
        <source>在中介买下 %1 个货位。</source>
        <translation>Bought %1 units of storage at the agency.</translation>
    </message>
    <message>
        <source>来到青岛，开始新的旅程（种子 %1）。</source>
        <translation>Arrived in Qingdao: a new journey begins (seed %1).</translation>
    </message>
    <message>
        <source>接着以前保存的旅程走，日志从这里记起。</source>
        <translation>Went on with a journey saved earlier; the journal begins here.</translation>
    </message>
    <message>
        <source>去了%1。</source>
        <translation>Went to %1.</translation>
    </message>
    <message>
        <source>去了%1。%2</source>
        <extracomment>%1 the place, %2 the day&apos;s diary entry.</extracomment>
        <translation>Went to %1. %2</translation>
    </message>
    <message>
        <source>改名为“%1”。</source>
        <translation>Took the name “%1”.</translation>
    </message>
    <message>
        <source>病死在青岛，旅程到此为止。</source>
        <translation>Fell ill and died in Qingdao; the journey ends here.</translation>
    </message>
    <message>
        <source>第 %1 天&#x3000;%2</source>
        <extracomment>%1 the day, %2 what happened on it.</extracomment>
        <translation>Day %1  %2</translation>
    </message>
    <message>
        <source>退回一步：%1%2</source>
        <translation>Took back: %1 %2</translation>
    </message>
    <message>
        <source>回到故乡，共赚到 %1。%2</source>
        <translation>Went home with %1. %2</translation>
    </message>
    <message>
        <source>%1%2</source>
        <extracomment>An action, then the cash, deposit and debt it left.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>tp::journey::JourneyFile</name>
    <message>
        <source>&quot;dailyWorth&quot; holds a worth no amounts add up to</source>
        <translation>&quot;dailyWorth&quot; holds a worth no amounts add up to</translation>
    </message>
    <message>
        <source>&quot;dailyWorth&quot; is longer than a run</source>
        <translation>&quot;dailyWorth&quot; is longer than a run</translation>
    </message>
    <message>
        <source>is longer than a name may be</source>
        <translation>is longer than a name may be</translation>
    </message>
    <message>
        <source>is longer than the rename box takes</source>
        <translation>is longer than the rename box takes</translation>
    </message>
    <message>
        <source>&quot;diary&quot; is not a day&apos;s entry</source>
        <translation>&quot;diary&quot; is not a day&apos;s entry</translation>
    </message>
    <message>
        <source>no game reaches it: %1</source>
        <translation>no game reaches it: %1</translation>
    </message>
    <message>
        <source>&quot;dailyWorth&quot; does not hold every day of a run</source>
        <translation>&quot;dailyWorth&quot; does not hold every day of a run</translation>
    </message>
    <message>
        <source>&quot;journey&quot; is not a journey&apos;s name</source>
        <translation>&quot;journey&quot; is not a journey&apos;s name</translation>
    </message>
</context>
<context>
    <name>tp::journey::JourneyStore</name>
    <message>
        <source>tidepeddler: journey %1: %2; moved it to %3 and started a new one</source>
        <translation>tidepeddler: journey %1: %2; moved it to %3 and started a new one</translation>
    </message>
    <message>
        <source>tidepeddler: journey %1: %2; cannot move it aside</source>
        <translation>tidepeddler: journey %1: %2; cannot move it aside</translation>
    </message>
    <message>
        <source>tidepeddler: journey %1: cannot remove it</source>
        <translation>tidepeddler: journey %1: cannot remove it</translation>
    </message>
    <message>
        <source>tidepeddler: journey %1: not saved: %2</source>
        <translation>tidepeddler: journey %1: not saved: %2</translation>
    </message>
</context>
<context>
    <name>tp::statistics::StatisticsFile</name>
    <message>
        <source>figures no journeys add up to</source>
        <translation>figures no journeys add up to</translation>
    </message>
</context>
<context>
    <name>tp::statistics::StatisticsStore</name>
    <message>
        <source>找不到保存统计的文件夹。</source>
        <translation>No folder could be found to keep the statistics in.</translation>
    </message>
    <message>
        <source>另一局游戏正在写统计，等待超时。</source>
        <translation>Another game is writing the statistics; gave up waiting.</translation>
    </message>
    <message>
        <source>保存统计的文件夹不可写。</source>
        <translation>The folder that holds the statistics cannot be written to.</translation>
    </message>
    <message>
        <source>无法锁定统计文件。</source>
        <translation>The statistics file could not be locked.</translation>
    </message>
    <message>
        <source>统计文件已损坏，读不出以前的数字；下次旅程结束时会把它改名保留，统计重新开始。</source>
        <translation>The statistics file is damaged and its figures cannot be read; when the next journey ends it will be kept under another name and counting will start afresh.</translation>
    </message>
    <message>
        <source>tidepeddler: statistics %1: %2</source>
        <translation>tidepeddler: statistics %1: %2</translation>
    </message>
    <message>
        <source>无法建立文件夹 %1。</source>
        <translation>Cannot create the folder %1.</translation>
    </message>
    <message>
        <source>not saved: cannot create the folder</source>
        <translation>not saved: cannot create the folder</translation>
    </message>
    <message>
        <source>not saved: cannot lock %1.lock</source>
        <translation>not saved: cannot lock %1.lock</translation>
    </message>
    <message>
        <source>统计文件已损坏，读不出以前的数字。</source>
        <extracomment>A sentence of its own, which the next may follow: where sentences are spaced, end it with a space.</extracomment>
        <translation>The statistics file is damaged and its figures cannot be read. </translation>
    </message>
    <message>
        <source>统计文件已损坏，已改名为 %1 保留，统计从本次重新开始。</source>
        <extracomment>A sentence of its own, which the next may follow: where sentences are spaced, end it with a space.</extracomment>
        <translation>The statistics file was damaged and has been set aside as %1; counting starts afresh with this journey. </translation>
    </message>
    <message>
        <source>%1; moved it to %2 and started counting afresh</source>
        <translation>%1; moved it to %2 and started counting afresh</translation>
    </message>
    <message>
        <source>统计文件已损坏，又无法把它移开。</source>
        <translation>The statistics file is damaged and cannot be moved aside.</translation>
    </message>
    <message>
        <source>%1; cannot move it aside, not saved</source>
        <translation>%1; cannot move it aside, not saved</translation>
    </message>
    <message>
        <source>磁盘已满，或文件无法写入。</source>
        <translation>The disk is full, or the file cannot be written.</translation>
    </message>
    <message>
        <source>not saved: %1</source>
        <translation>not saved: %1</translation>
    </message>
    <message>
        <source>本次旅程未能记入统计：%1</source>
        <translation>This journey was not counted in the statistics: %1</translation>
    </message>
</context>
<context>
    <name>tp::statistics::StatisticsText</name>
    <message>
        <source>走过的旅程</source>
        <translation>Journeys played</translation>
    </message>
    <message>
        <source>回到故乡</source>
        <translation>Came home</translation>
    </message>
    <message>
        <source>中途身亡</source>
        <translation>Died on the way</translation>
    </message>
    <message>
        <source>中途放弃</source>
        <translation>Given up</translation>
    </message>
    <message>
        <source>最高金额</source>
        <translation>Best amount</translation>
    </message>
    <message>
        <source>平均金额</source>
        <translation>Average amount</translation>
    </message>
    <message>
        <source>当前连续回乡</source>
        <translation>Homecomings in a row now</translation>
    </message>
    <message>
        <source>最长连续回乡</source>
        <translation>Most homecomings in a row</translation>
    </message>
    <message>
        <source>走过的天数</source>
        <translation>Days travelled</translation>
    </message>
</context>
<context>
    <name>tp::storage::KeptFiles</name>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>larger than %1 bytes</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>cannot be read: %1</translation>
    </message>
</context>
<context>
    <name>tp::storage::VersionedJson</name>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>not JSON: %1 at byte %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>not a JSON object</translation>
    </message>
    <message>
        <source>no format version</source>
        <translation>no format version</translation>
    </message>
    <message>
        <source>unknown format version %1</source>
        <translation>unknown format version %1</translation>
    </message>
    <message>
        <source>is not a whole number from %1 to %2</source>
        <translation>is not a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>is not true or false</translation>
    </message>
    <message>
        <source>is not a text</source>
        <translation>is not a text</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>is not a list</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>is not an object</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2</source>
        <translation>&quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds something that is not an object</source>
        <translation>&quot;%1&quot; holds something that is not an object</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>is not a number</translation>
    </message>
    <message>
        <source>is not a field of this file</source>
        <translation>is not a field of this file</translation>
    </message>
</context>
<context>
    <name>tp::ui::DayChart</name>
    <message>
        <source>身家（元）</source>
        <translation>Net worth (yuan)</translation>
    </message>
    <message>
        <source>天数</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>100000000</source>
        <extracomment>The size of the larger unit of the chart&apos;s amounts, in digits.</extracomment>
        <translation>1000000</translation>
    </message>
    <message>
        <source>%1亿</source>
        <extracomment>An amount in the larger unit.</extracomment>
        <translation>%1M</translation>
    </message>
    <message>
        <source>10000</source>
        <extracomment>The size of the smaller unit of the chart&apos;s amounts, in digits.</extracomment>
        <translation>1000</translation>
    </message>
    <message>
        <source>%1万</source>
        <extracomment>An amount in the smaller unit.</extracomment>
        <translation>%1k</translation>
    </message>
    <message>
        <source>没有每天的身家记录。</source>
        <translation>No daily net worth recorded.</translation>
    </message>
    <message>
        <source>共 %1 天。第 1 天身家 %2 元，第 %1 天 %3 元；最高 %4 元（第 %5 天），最低 %6 元（第 %7 天）。</source>
        <translation>%1 days. Net worth %2 yuan on day 1 and %3 yuan on day %1; highest %4 yuan (day %5), lowest %6 yuan (day %7).</translation>
    </message>
    <message>
        <source>本次每天的身家</source>
        <translation>Net worth each day of this run</translation>
    </message>
    <message>
        <source>价格（元）</source>
        <translation>Price (yuan)</translation>
    </message>
    <message>
        <source>还没有见过这种商品。</source>
        <translation>This good has not been met yet.</translation>
    </message>
    <message>
        <source>见过 %1 次。第 %2 天 %3 元，第 %4 天 %5 元；最高 %6 元（第 %7 天），最低 %8 元（第 %9 天）。</source>
        <translation>Met %1 times. %3 yuan on day %2, %5 yuan on day %4; highest %6 yuan (day %7), lowest %8 yuan (day %9).</translation>
    </message>
    <message>
        <source>%1每天的价格</source>
        <translation>Prices of %1 day by day</translation>
    </message>
</context>
<context>
    <name>tp::ui::DiaryWindow</name>
    <message>
        <source>我的日记本</source>
        <translation>My Diary</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>日记</source>
        <translation>Diary</translation>
    </message>
</context>
<context>
    <name>tp::ui::HallOfFameWindow</name>
    <message>
        <source>名次</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>欠款</source>
        <translation>Debt</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>种子</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>富豪榜</source>
        <translation>Hall of Fame</translation>
    </message>
    <message>
        <source>本次回乡排第 %1 名。</source>
        <translation>This homecoming ranks No. %1.</translation>
    </message>
    <message>
        <source>本次回乡排第 %1 名，未进前十。</source>
        <translation>This homecoming ranks No. %1, outside the top ten.</translation>
    </message>
    <message>
        <source>历次回乡的前 %1 名。</source>
        <translation>The best %1 homecomings so far.</translation>
    </message>
    <message>
        <source>还没有回乡的记录：走完六十天、回到故乡的旅程会记在这里。</source>
        <translation>No homecomings yet: every run that lasts all sixty days and ends back home will be listed here.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>前十名</source>
        <translation>Top ten</translation>
    </message>
    <message>
        <source>历次回乡的前十名：名次、姓名、金额、欠款、日期和种子</source>
        <translation>The ten best homecomings: rank, name, amount, debt, date and seed</translation>
    </message>
    <message>
        <source>本次成绩（在全部记录中的名次）：</source>
        <translation>This run (its place among all records):</translation>
    </message>
    <message>
        <source>本次成绩</source>
        <translation>This run</translation>
    </message>
    <message>
        <source>本次回乡在全部记录中排第 %1 名，未进前十</source>
        <translation>This homecoming ranks No. %1 of all records, outside the top ten</translation>
    </message>
    <message>
        <source>本次每天的身家（现金加存款减欠款）：</source>
        <translation>Your net worth each day of this run (cash plus savings minus debt):</translation>
    </message>
    <message>
        <source>重玩这一局：</source>
        <translation>Replay this run:</translation>
    </message>
    <message>
        <source>重玩命令</source>
        <translation>Replay command</translation>
    </message>
    <message>
        <source>在终端输入这条命令，可以用同样的种子重玩选中的一局</source>
        <translation>Type this command in a terminal to replay the selected run with the same seed</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>复制重玩命令</source>
        <translation>Copy replay command</translation>
    </message>
    <message>
        <source>把重玩命令复制到剪贴板</source>
        <translation>Copy the replay command to the clipboard</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>关闭富豪榜</source>
        <translation>Close the hall of fame</translation>
    </message>
    <message>
        <source>第 %1 名</source>
        <translation>No. %1</translation>
    </message>
    <message>
        <source>已复制。</source>
        <translation>Copied.</translation>
    </message>
    <message>
        <source>已复制到剪贴板</source>
        <translation>Copied to the clipboard</translation>
    </message>
    <message>
        <source>日志(&amp;J)</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>打开选中的一局的日志</source>
        <translation>Opens the journal of the selected run</translation>
    </message>
    <message>
        <source>这一局的日志已经不在了。</source>
        <translation>This run&apos;s journal is no longer kept.</translation>
    </message>
    <message>
        <source>%1的日志</source>
        <translation>Journal of %1</translation>
    </message>
</context>
<context>
    <name>tp::ui::JournalWindow</name>
    <message>
        <source>日志</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>这一局每天发生的事，最新的在最后</source>
        <translation>What happened in this run, day by day, the latest last</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tp::ui::JourneyQuestion</name>
    <message>
        <source>潮汐货郎</source>
        <translation>Tide Peddler</translation>
    </message>
    <message>
        <source>上次的旅程还没有走完：
第 %1 天
现金 %2
欠款 %3
接着走，还是重新开始？</source>
        <translation>The last journey isn&apos;t over:
Day %1
Cash %2
Debt %3
Go on, or start afresh?</translation>
    </message>
    <message>
        <source>继续(&amp;G)</source>
        <translation>&amp;Go on</translation>
    </message>
    <message>
        <source>重新开始(&amp;N)</source>
        <translation>Start &amp;new</translation>
    </message>
</context>
<context>
    <name>tp::ui::MainWindow</name>
    <message>
        <source>潮汐货郎 V1.00</source>
        <translation>Tide Peddler V1.00</translation>
    </message>
    <message>
        <source>姓名：</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>现金：</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>欠款：</source>
        <translation>Debt</translation>
    </message>
    <message>
        <source>健康：</source>
        <translation>Health</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>点击或按 F2 改名</source>
        <translation>Click or press F2 to rename</translation>
    </message>
    <message>
        <source>现金</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>欠款</source>
        <translation>Debt</translation>
    </message>
    <message>
        <source>健康</source>
        <translation>Health</translation>
    </message>
    <message>
        <source>存款</source>
        <translation>Savings</translation>
    </message>
    <message>
        <source>存款：</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>买入</source>
        <translation>Buy</translation>
    </message>
    <message>
        <source>买入市场中选中的商品</source>
        <translation>Buy the goods selected in the market</translation>
    </message>
    <message>
        <source>卖出</source>
        <translation>Sell</translation>
    </message>
    <message>
        <source>卖出身上选中的商品</source>
        <translation>Sell the goods selected among those you carry</translation>
    </message>
    <message>
        <source>医院</source>
        <translation>Hospital</translation>
    </message>
    <message>
        <source>银行</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>声明</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>网吧</source>
        <translation>Net Cafe</translation>
    </message>
    <message>
        <source>中介</source>
        <translation>Agency</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>火车站</source>
        <comment>map button</comment>
        <translation>Station</translation>
    </message>
    <message>
        <source>李沧区</source>
        <comment>map button</comment>
        <translation>Licang</translation>
    </message>
    <message>
        <source>栈桥</source>
        <comment>map button</comment>
        <translation>Pier</translation>
    </message>
    <message>
        <source>东海路</source>
        <comment>map button</comment>
        <translation>Donghai</translation>
    </message>
    <message>
        <source>中山路</source>
        <comment>map button</comment>
        <translation>ZS Road</translation>
    </message>
    <message>
        <source>啤酒城</source>
        <comment>map button</comment>
        <translation>Beer</translation>
    </message>
    <message>
        <source>小青岛</source>
        <comment>map button</comment>
        <translation>Islet</translation>
    </message>
    <message>
        <source>四方区</source>
        <comment>map button</comment>
        <translation>Sifang</translation>
    </message>
    <message>
        <source>李村集贸市场</source>
        <comment>map button</comment>
        <translation>Licun Market</translation>
    </message>
    <message>
        <source>长途站</source>
        <comment>map button</comment>
        <translation>Coach</translation>
    </message>
    <message>
        <source>去这里，过一天</source>
        <translation>Go here (takes a day)</translation>
    </message>
    <message>
        <source>商品名称</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>价格</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>今日市场</source>
        <translation>Today&apos;s market</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>随身货物</source>
        <translation>Goods you carry</translation>
    </message>
    <message>
        <source>放弃这次旅程，重新开始吗？
这次旅程不会记入富豪榜。</source>
        <translation>Give up this journey and start again?
This journey will not go into the hall of fame.</translation>
    </message>
    <message>
        <source>重新开始</source>
        <translation>Start Again</translation>
    </message>
    <message>
        <source>新的旅程(&amp;N)</source>
        <translation>&amp;New Journey</translation>
    </message>
    <message>
        <source>富豪榜(&amp;H)</source>
        <translation>&amp;Hall of Fame</translation>
    </message>
    <message>
        <source>改名(&amp;R)</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>帮助(&amp;E)</source>
        <translation>H&amp;elp</translation>
    </message>
    <message>
        <source>退出(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>潮汐货郎</source>
        <translation>Tide Peddler</translation>
    </message>
    <message>
        <source>退回一步(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>日志(&amp;J)</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>价格簿(&amp;P)</source>
        <translation>&amp;Price Book</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>统计(&amp;T)</source>
        <translation>S&amp;tatistics</translation>
    </message>
    <message>
        <source>今天的旅程(&amp;D)</source>
        <translation>To&amp;day&apos;s Journey</translation>
    </message>
    <message>
        <source>同一种子再来(&amp;A)</source>
        <translation>This Seed &amp;Again</translation>
    </message>
    <message>
        <source>放弃这次旅程，开始今天的旅程吗？
今天人人走同一局（种子 %1）；这次旅程不会记入富豪榜。</source>
        <translation>Give up this journey and start today&apos;s?
Today everyone plays the same run (seed %1); this journey will not go into the hall of fame.</translation>
    </message>
    <message>
        <source>今天的旅程</source>
        <translation>Today&apos;s Journey</translation>
    </message>
    <message>
        <source>放弃这次旅程，用同一个种子（%1）从头再来吗？
这次旅程不会记入富豪榜。</source>
        <translation>Give up this journey and start the same seed (%1) again?
This journey will not go into the hall of fame.</translation>
    </message>
    <message>
        <source>从头再来</source>
        <translation>Start Over</translation>
    </message>
</context>
<context>
    <name>tp::ui::Messages</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tp::ui::PriceBookWindow</name>
    <message>
        <source>价格簿</source>
        <translation>Price Book</translation>
    </message>
    <message>
        <source>商品</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>最低价</source>
        <translation>Lowest</translation>
    </message>
    <message>
        <source>最高价</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>最近的价</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>每种商品这一局见过的最低价、最高价和最近的价，各带日子</source>
        <translation>The lowest, highest and last price met this run for each good, each with its day</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1（第 %2 天）</source>
        <translation>%1 (day %2)</translation>
    </message>
    <message>
        <source>还没见过</source>
        <translation>not met yet</translation>
    </message>
    <message>
        <source>%1每天的价格：</source>
        <translation>Prices of %1 day by day:</translation>
    </message>
</context>
<context>
    <name>tp::ui::ServiceWindow</name>
    <message>
        <source>现在流行网上汇款，挣了
点钱，还是赶快把欠村长
的钱给还清了吧！</source>
        <translation>Online transfers rule!
Made some cash? Hurry,
pay the village head!</translation>
    </message>
    <message>
        <source>中介老板说，我们这里什么房子都
有，不过您今天来的真巧，我们这
里正好有一套适合做买卖用的，可
以装好多货物，看你一个外地打工
的不容易，收你10000好了！</source>
        <translation>The agent says: &quot;We&apos;ve got
every kind of place, and today
is your lucky day: one&apos;s just
right for trade, holds loads.
For a hard-up migrant: 10000!&quot;</translation>
    </message>
    <message>
        <source>声明：本故事情节和现实没有任何关系，如果您未满18
岁，尚未建立是非观念，我强烈建议您退出游戏，本游
戏只作为娱乐之用，免费提供，您可以随意的传播。
如果您发现游戏中的错误，或者有什么好的建议，
欢迎告诉我们，我们会认真听取并不断改进。
感谢您选择潮汐货郎，祝您玩得开心！</source>
        <translation>Notice: this story has nothing to do with real
life. If you are under 18 and can&apos;t yet tell
right from wrong, I strongly urge you to quit.
The game is just for fun, free of charge, and
you may pass it on as you like. Found a bug or
got a good idea? Tell us: we listen and improve.
Thanks for choosing Tide Peddler. Have fun!</translation>
    </message>
    <message>
        <source>帮助：本游戏利用商品差价来赚得利润，所以在低价的
时候买入，在高价时候卖出可以得到不少的利润，买入
时选择要买的商品，然后双击或者按＝》，卖出同理，
银行是存钱的地方，每一天有1％的利息，医院是治疗
的地方，健康不好会OVER的。中介可以买到放货物的场
所可以增加购买量（默认200），换名字只要点击名字
即可。换买卖场地选地图上的按钮。</source>
        <translation>Help: buy cheap, sell dear and pocket the gap.
To buy, pick an item, then double-click or press
=&gt;; selling works the same way. The bank keeps
your money at 1% interest a day. The hospital
heals you: poor health is GAME OVER. The agency
sells room for more goods (200 to start). Click
your name to rename; map buttons move you on.</translation>
    </message>
    <message>
        <source>潮汐网吧 www.chaoxi-wang.example</source>
        <translation>Tide Net Cafe www.chaoxi-wang.example</translation>
    </message>
    <message>
        <source>银行</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取款</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>存款</source>
        <translation>In</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>太贵算了</source>
        <translation>Too pricey</translation>
    </message>
    <message>
        <source>接受治疗</source>
        <translation>Treat me</translation>
    </message>
    <message>
        <source>治疗点数</source>
        <translation>Health points to treat</translation>
    </message>
    <message>
        <source>医生的话</source>
        <translation>What the doctor says</translation>
    </message>
    <message>
        <source>算了</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>还钱</source>
        <translation>Repay</translation>
    </message>
    <message>
        <source>还款金额</source>
        <translation>Amount to repay</translation>
    </message>
    <message>
        <source>网吧的提示</source>
        <translation>Net cafe notice</translation>
    </message>
    <message>
        <source>买下</source>
        <translation>Buy</translation>
    </message>
    <message>
        <source>中介老板的话</source>
        <translation>What the agent says</translation>
    </message>
    <message>
        <source>明白了</source>
        <translation>Got it</translation>
    </message>
    <message>
        <source>作者的声明</source>
        <translation>A Word from the Author</translation>
    </message>
    <message>
        <source>游戏帮助</source>
        <translation>How to Play</translation>
    </message>
    <message>
        <source>按键：
Ctrl+N 新的旅程&#x3000;Ctrl+D 今天的旅程
Ctrl+R 同一种子再来&#x3000;Ctrl+Z 退回一步
Ctrl+J 日志&#x3000;Ctrl+P 价格簿&#x3000;Ctrl+H 富豪榜
Ctrl+T 统计&#x3000;F2 改名&#x3000;F1 帮助&#x3000;Ctrl+Q 退出
Shift+F10、菜单键或右键：打开菜单</source>
        <translation>Keys:
Ctrl+N new journey    Ctrl+D today&apos;s journey
Ctrl+R this seed again    Ctrl+Z undo
Ctrl+J journal    Ctrl+P price book
Ctrl+H hall of fame    Ctrl+T statistics
F2 rename    F1 help    Ctrl+Q quit
Shift+F10, the Menu key or a right click: menu</translation>
    </message>
</context>
<context>
    <name>tp::ui::StatisticsWindow</name>
    <message>
        <source>统计</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>关闭统计</source>
        <translation>Close the statistics</translation>
    </message>
</context>
<context>
    <name>tp::ui::TradeDialog</name>
    <message>
        <source>交易</source>
        <translation>Trade</translation>
    </message>
    <message>
        <source>要购买的数量：</source>
        <translation>Buy how many?</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;N)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Quantity</translation>
    </message>
</context>
</TS>
