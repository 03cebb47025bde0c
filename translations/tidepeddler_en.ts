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
</context>
<context>
    <name>Diary</name>
    <message>
        <source>      晴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>街道的王大妈嘲笑俺没有城市户口，俺一生气和她吵了起来，结果被她学柔道的儿子好一个蹂躏，健康减少了20点。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      阴天</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今天清早去做生意，无意中居然在排水沟捡到一枚金戒指，俺把它给卖给了珠宝商店赚了1000块钱。金钱＋1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      小雨</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>婚姻中介给俺介绍了个“美女”，要了俺300元钱，到约会地点打远一看吓的我赶快打的跑了，唉！盈亏跑的快！金钱－307</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      晴天</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一个要饭的教给俺几句青岛方言：“天上有个卜嘎，整天受尽了卡打，它看见一只尬啦～”感觉很有趣，健康＋５</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      大风</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>早上出摊，几个青岛小哥说看俺不顺眼把我拳打脚踢,俺哭了一晚上。健康－30.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      晴朗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今天看到大街上有几个老头打够级，俺上去凑了把手，把正事赚钱给忘了，白白的浪费了一天的时间。天数－１</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>城管说俺无照经营、偷税漏税、卖假冒伪劣商品，把俺带到了城管大队教育，让俺补交税款，金钱－25%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>城市人瞧不起俺农村的，俺来到夜总会也享受一下城市生活，吃了点东西，喝了点啤酒。结账要了我200。金钱-200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      小雪</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今天过中秋节，小破屋中只有俺一个人，我想家了，买了瓶二锅头喝了几口就倒下了，吐了好久。健康-10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>俺到福利院申请了一份贫困基金，我可以用这币钱好好的发展自己，虽然只有５００块。金钱＋500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>听同行说最近关税上涨国外电脑很贵，消费者都喜欢买假冒P4电脑，唉！图财害了这些人呀！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>青岛海关增大了执法力度，致使走私进口车无法入关。市面上的走私进口汽车销路旺盛显的异常火爆！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      阴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公安局把俺抓了去，说俺是谋杀嫌疑人，最后核实我和那个人只不过是同名，唉，浪费一天的时间！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>俺在马路上捡到一个弃婴，俺把他送到了社会福利院去，结果还登上了报纸。呵呵！健康＋１０</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今天俺到银行去查利息，结果发现无故多出了2000元钱，俺想我不说没有人会知道！存款＋2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>岛城流行起了写真热潮，《日本美女写真》显的格外的火爆，来购买的人络绎不绝，！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最近岛城流行着一句话：不爱美女爱古玩。所以好多市民去买古玩，而写真集却无人问津。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>贩子疏通了各大商场，致使假冒名牌化妆品销路旺盛。贩子们说：便宜才是硬道理呀！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>青岛市文化局大检查，盗版CD、VCD窝点被端，盗版CD、VCD变的格外抢手！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一个有经验的同行告诉我把低纯度的白金项链当成足金项链卖可以赚好多钱！我要试试看！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      酷热</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今天气温有37度，热死俺了，我到各大商场一看，劣质“三无”空调的销路异常的火爆！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      还好</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算机专业的朋友说，现在盗版图书质量很好，错别字少了，和正版的几乎没有区别，销路很好！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      阴有小雨</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一个奸商告诉我，把“现代”内存打磨后当做kingmax内存卖可以多赚好多钱。哈哈，试试看！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       小雨</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今天在街上碰到一个陌生人，他问我要不要DVD高品质影碟，我看了看，这里来购买的客人可真不少呀！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       晴朗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小学生听着MP3对你说，现在很流行这个，只要把想听的音乐用电脑传过来就可以听，而且音质不错的！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>信息城老板告诉你最近因为正品墨盒价格上涨，所以灌装墨盒十分畅销，他问俺有没有货，他要高价收购！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>俺遇到一个送礼的，他告诉俺现在当官的很腐败，送礼要送好的，问俺能不能给他弄点走私名牌烟酒。他说贵点没关系</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一个老汉拿着一瓶高甲醇的白酒正在杀老鼠，你看着很有趣，这个东西居然还可以这么用呀，老汉说这个东西好！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>村长顾了几个打手，来青岛找我，说看我赚钱赚的不少，欠他的钱要翻一番。还说不同意让我好看！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>青岛市立医院免费给病人看病，我一看免费就去看了一下，在护士小姐的精心治疗下，我感觉好多了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       多云</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今天我买了一张齐鲁福利彩票，谁知道中了个三等奖，去了个人所得税还净挣3000呢！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>路人甲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>银行存款</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>银行取款</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>定期检查</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>你到挂号处挂号，小护士看你精神的很，往隔壁指了指说：&quot;同志！您走错了！精神科在隔壁挂号！&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>几位医师会诊，分析你的病情，决定用世界领先技术来对你身体做整体治疗，但是因为技术特殊，治疗每一点需要100元。&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网吧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中介</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>哦！您的钱不够!欢迎再次光临!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>你壮志未筹身先死，永远的从地球消失了！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1你在青岛共赚到了:￥%2,你高兴的回到了你的故乡</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>潮汐货郎 V1.00            (%1/60)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>改名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入您的姓名:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小二黑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请先选择要购买的商品！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>要购买的数量：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请先选择要卖出的商品！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>店小二微笑着说：“对不起！小店不收这种产品！”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>要卖出的数量：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Goods</name>
    <message>
        <source>盗版CD、VCD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>假冒名牌化妆品</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打磨过的内存条</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>盗版计算机书籍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>劣质计算机电源</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>杂牌MP3播放器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走私进口汽车</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走私名牌酒和香烟</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>进口高清晰DVD影碟</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>《日本美女写真》</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>假冒P4名牌电脑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>低纯度的白金项链</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>含有高甲醇的白酒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>仿制的古玩、古董</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>劣质&quot;三无&quot;空调</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
