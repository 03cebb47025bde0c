<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot open a display; set DISPLAY or WAYLAND_DISPLAY</source>
        <translation>無法開啟顯示器；請設定 DISPLAY 或 WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>潮汐货郎 (Tide Peddler): sixty days to get rich in Qingdao.</source>
        <translation>潮汐貨郎（Tide Peddler）：在青島六十天發大財。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>顯示這份說明後結束。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>顯示版本後結束。</translation>
    </message>
    <message>
        <source>Print the hall of fame, the best finished runs, and exit.</source>
        <translation>印出富豪榜（已完成各局中最好的成績）後結束。</translation>
    </message>
    <message>
        <source>Start the random generator from &lt;N&gt; (0 to 4294967295) to replay a game.</source>
        <translation>以 &lt;N&gt;（0 到 4294967295）作為亂數產生器的起點，用來重玩一局。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>選項：</translation>
    </message>
    <message>
        <source>Usage: tidepeddler [options]</source>
        <translation>用法：tidepeddler [選項]</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>不明的選項「%1」。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>「%1」後面少了一個值。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>非預期的參數「%1」。</translation>
    </message>
    <message>
        <source>The option --seed may be given only once.</source>
        <translation>--seed 選項只能指定一次。</translation>
    </message>
    <message>
        <source>Invalid seed &apos;%1&apos;: expected a whole number from 0 to 4294967295.</source>
        <translation>無效的種子「%1」：應為 0 到 4294967295 之間的整數。</translation>
    </message>
    <message>
        <source>Print the statistics of every journey ended so far, and exit.</source>
        <translation>印出以前每次旅程的統計後結束。</translation>
    </message>
    <message>
        <source>Print the journal of the saved journey, or of the last run that ended, and exit.</source>
        <translation>印出儲存的旅程的日誌（沒有時，印出上一局走完的旅程的日誌）後結束。</translation>
    </message>
    <message>
        <source>no journal to show: no journey is saved and no run has ended</source>
        <translation>沒有日誌可看：沒有儲存的旅程，也沒有走完的旅程</translation>
    </message>
    <message>
        <source>Print the best run found for seed &lt;N&gt;: its plan, the amount it reaches and the bound no run of the seed passes; then exit.</source>
        <translation>印出種子 &lt;N&gt; 找到的最好一局：它的每一步、賺到的金額，以及這個種子的任何一局都超不過的上限；然後結束。</translation>
    </message>
    <message>
        <source>With --best-run: print it as one JSON object.</source>
        <translation>與 --best-run 一起用：印成一個 JSON 物件。</translation>
    </message>
    <message>
        <source>The option --json goes with --best-run.</source>
        <translation>選項 --json 要和 --best-run 一起用。</translation>
    </message>
</context>
<context>
    <name>Diary</name>
    <message>
        <source>      晴</source>
        <translation>      晴</translation>
    </message>
    <message>
        <source>街道的王大妈嘲笑俺没有城市户口，俺一生气和她吵了起来，结果被她学柔道的儿子好一个蹂躏，健康减少了20点。</source>
        <translation>街坊的王大媽嘲笑俺沒有城市戶口，俺一生氣就和她吵了起來，結果被她學柔道的兒子好一頓修理，健康減少了20點。</translation>
    </message>
    <message>
        <source>      阴天</source>
        <translation>      陰天</translation>
    </message>
    <message>
        <source>今天清早去做生意，无意中居然在排水沟捡到一枚金戒指，俺把它给卖给了珠宝商店赚了1000块钱。金钱＋1000</source>
        <translation>今天清早去做生意，無意中居然在排水溝撿到一枚金戒指，俺把它賣給了珠寶店，賺了1000塊錢。金錢＋1000</translation>
    </message>
    <message>
        <source>      小雨</source>
        <translation>      小雨</translation>
    </message>
    <message>
        <source>婚姻中介给俺介绍了个“美女”，要了俺300元钱，到约会地点打远一看吓的我赶快打的跑了，唉！盈亏跑的快！金钱－307</source>
        <translation>婚友社給俺介紹了個「美女」，收了俺300元，到約會地點遠遠一看，嚇得我趕快叫計程車跑了，唉！幸虧跑得快！金錢－307</translation>
    </message>
    <message>
        <source>      晴天</source>
        <translation>      晴天</translation>
    </message>
    <message>
        <source>一个要饭的教给俺几句青岛方言：“天上有个卜嘎，整天受尽了卡打，它看见一只尬啦～”感觉很有趣，健康＋５</source>
        <translation>一個要飯的教給俺幾句青島方言：「天上有個卜嘎，整天受盡了卡打，它看見一隻尬啦～」感覺很有趣，健康＋５</translation>
    </message>
    <message>
        <source>      大风</source>
        <translation>      大風</translation>
    </message>
    <message>
        <source>早上出摊，几个青岛小哥说看俺不顺眼把我拳打脚踢,俺哭了一晚上。健康－30.</source>
        <translation>早上出攤，幾個青島小哥說看俺不順眼，把我拳打腳踢，俺哭了一晚上。健康－30</translation>
    </message>
    <message>
        <source>      晴朗</source>
        <translation>      晴朗</translation>
    </message>
    <message>
        <source>今天看到大街上有几个老头打够级，俺上去凑了把手，把正事赚钱给忘了，白白的浪费了一天的时间。天数－１</source>
        <translation>今天看到大街上有幾個老頭在打夠級，俺上去湊了把手，把賺錢的正事給忘了，白白浪費了一天的時間。天數－１</translation>
    </message>
    <message>
        <source>城管说俺无照经营、偷税漏税、卖假冒伪劣商品，把俺带到了城管大队教育，让俺补交税款，金钱－25%</source>
        <translation>城管說俺無照營業、逃漏稅、賣仿冒偽劣商品，把俺帶到城管大隊去教育，讓俺補繳稅款，金錢－25%</translation>
    </message>
    <message>
        <source>城市人瞧不起俺农村的，俺来到夜总会也享受一下城市生活，吃了点东西，喝了点啤酒。结账要了我200。金钱-200</source>
        <translation>城市人瞧不起俺鄉下人，俺來到夜總會也享受一下城市生活，吃了點東西，喝了點啤酒，結帳要了我200。金錢－200</translation>
    </message>
    <message>
        <source>      小雪</source>
        <translation>      小雪</translation>
    </message>
    <message>
        <source>今天过中秋节，小破屋中只有俺一个人，我想家了，买了瓶二锅头喝了几口就倒下了，吐了好久。健康-10</source>
        <translation>今天過中秋節，小破屋裡只有俺一個人，我想家了，買了瓶二鍋頭喝了幾口就倒下了，吐了好久。健康－10</translation>
    </message>
    <message>
        <source>俺到福利院申请了一份贫困基金，我可以用这币钱好好的发展自己，虽然只有５００块。金钱＋500</source>
        <translation>俺到社福機構申請了一筆清寒補助，我可以用這筆錢好好地發展自己，雖然只有５００塊。金錢＋500</translation>
    </message>
    <message>
        <source>听同行说最近关税上涨国外电脑很贵，消费者都喜欢买假冒P4电脑，唉！图财害了这些人呀！</source>
        <translation>聽同行說最近關稅上漲，國外電腦很貴，消費者都喜歡買仿冒P4電腦，唉！貪便宜害了這些人呀！</translation>
    </message>
    <message>
        <source>青岛海关增大了执法力度，致使走私进口车无法入关。市面上的走私进口汽车销路旺盛显的异常火爆！</source>
        <translation>青島海關加強了執法力度，走私進口車無法入關，市面上的走私進口汽車銷路旺盛，賣得異常火紅！</translation>
    </message>
    <message>
        <source>      阴</source>
        <translation>      陰</translation>
    </message>
    <message>
        <source>公安局把俺抓了去，说俺是谋杀嫌疑人，最后核实我和那个人只不过是同名，唉，浪费一天的时间！</source>
        <translation>警察局把俺抓了去，說俺是謀殺嫌疑犯，最後查證我和那個人只不過是同名，唉，浪費了一天的時間！</translation>
    </message>
    <message>
        <source>俺在马路上捡到一个弃婴，俺把他送到了社会福利院去，结果还登上了报纸。呵呵！健康＋１０</source>
        <translation>俺在馬路上撿到一個棄嬰，把他送到了育幼院，結果還上了報紙。呵呵！健康＋１０</translation>
    </message>
    <message>
        <source>今天俺到银行去查利息，结果发现无故多出了2000元钱，俺想我不说没有人会知道！存款＋2000</source>
        <translation>今天俺到銀行去查利息，結果發現無緣無故多出了2000元，俺想我不說就沒人會知道！存款＋2000</translation>
    </message>
    <message>
        <source>岛城流行起了写真热潮，《日本美女写真》显的格外的火爆，来购买的人络绎不绝，！</source>
        <translation>島城流行起寫真熱潮，《日本美女寫真》賣得格外火紅，來買的人絡繹不絕！</translation>
    </message>
    <message>
        <source>最近岛城流行着一句话：不爱美女爱古玩。所以好多市民去买古玩，而写真集却无人问津。</source>
        <translation>最近島城流行一句話：不愛美女愛古玩。所以好多市民去買古玩，寫真集卻乏人問津。</translation>
    </message>
    <message>
        <source>贩子疏通了各大商场，致使假冒名牌化妆品销路旺盛。贩子们说：便宜才是硬道理呀！</source>
        <translation>販子打通了各大商場的門路，仿冒名牌化妝品銷路旺盛。販子們說：便宜才是硬道理呀！</translation>
    </message>
    <message>
        <source>青岛市文化局大检查，盗版CD、VCD窝点被端，盗版CD、VCD变的格外抢手！</source>
        <translation>青島市文化局大檢查，盜版CD、VCD窩點被破獲，盜版CD、VCD變得格外搶手！</translation>
    </message>
    <message>
        <source>一个有经验的同行告诉我把低纯度的白金项链当成足金项链卖可以赚好多钱！我要试试看！</source>
        <translation>一個有經驗的同行告訴我，把低純度白金項鍊當成純金項鍊賣，可以賺好多錢！我要試試看！</translation>
    </message>
    <message>
        <source>      酷热</source>
        <translation>      酷熱</translation>
    </message>
    <message>
        <source>今天气温有37度，热死俺了，我到各大商场一看，劣质“三无”空调的销路异常的火爆！</source>
        <translation>今天氣溫有37度，熱死俺了，我到各大商場一看，劣質三無冷氣賣得異常火紅！</translation>
    </message>
    <message>
        <source>      还好</source>
        <translation>      還好</translation>
    </message>
    <message>
        <source>计算机专业的朋友说，现在盗版图书质量很好，错别字少了，和正版的几乎没有区别，销路很好！</source>
        <translation>學電腦的朋友說，現在盜版書的品質很好，錯字少了，和正版的幾乎沒有差別，銷路很好！</translation>
    </message>
    <message>
        <source>      阴有小雨</source>
        <translation>      陰有小雨</translation>
    </message>
    <message>
        <source>一个奸商告诉我，把“现代”内存打磨后当做kingmax内存卖可以多赚好多钱。哈哈，试试看！</source>
        <translation>一個奸商告訴我，把「現代」記憶體打磨後當成kingmax記憶體賣，可以多賺好多錢。哈哈，試試看！</translation>
    </message>
    <message>
        <source>       小雨</source>
        <translation>       小雨</translation>
    </message>
    <message>
        <source>今天在街上碰到一个陌生人，他问我要不要DVD高品质影碟，我看了看，这里来购买的客人可真不少呀！</source>
        <translation>今天在街上碰到一個陌生人，他問我要不要高畫質DVD影片，我看了看，來這裡買的客人可真不少呀！</translation>
    </message>
    <message>
        <source>       晴朗</source>
        <translation>       晴朗</translation>
    </message>
    <message>
        <source>小学生听着MP3对你说，现在很流行这个，只要把想听的音乐用电脑传过来就可以听，而且音质不错的！</source>
        <translation>小學生聽著MP3跟俺說，現在很流行這個，只要把想聽的音樂用電腦傳過來就可以聽，而且音質還不錯！</translation>
    </message>
    <message>
        <source>信息城老板告诉你最近因为正品墨盒价格上涨，所以灌装墨盒十分畅销，他问俺有没有货，他要高价收购！</source>
        <translation>電腦商場的老闆告訴俺，最近原廠墨水匣漲價，所以填充墨水匣十分暢銷，他問俺有沒有貨，他要高價收購！</translation>
    </message>
    <message>
        <source>俺遇到一个送礼的，他告诉俺现在当官的很腐败，送礼要送好的，问俺能不能给他弄点走私名牌烟酒。他说贵点没关系</source>
        <translation>俺遇到一個要送禮的，他告訴俺現在當官的很腐敗，送禮要送好的，問俺能不能給他弄點走私名牌菸酒。他說貴點沒關係</translation>
    </message>
    <message>
        <source>一个老汉拿着一瓶高甲醇的白酒正在杀老鼠，你看着很有趣，这个东西居然还可以这么用呀，老汉说这个东西好！</source>
        <translation>一個老漢拿著一瓶高甲醇的白酒在殺老鼠，俺看著覺得很有趣，這東西居然還可以這麼用呀，老漢說這東西好！</translation>
    </message>
    <message>
        <source>村长顾了几个打手，来青岛找我，说看我赚钱赚的不少，欠他的钱要翻一番。还说不同意让我好看！</source>
        <translation>村長僱了幾個打手來青島找我，說看我賺錢賺得不少，欠他的錢要翻一倍。還說不答應就讓我好看！</translation>
    </message>
    <message>
        <source>青岛市立医院免费给病人看病，我一看免费就去看了一下，在护士小姐的精心治疗下，我感觉好多了</source>
        <translation>青島市立醫院免費給病人看病，我一看免費就去看了一下，在護士小姐的細心治療下，我覺得好多了</translation>
    </message>
    <message>
        <source>       多云</source>
        <translation>       多雲</translation>
    </message>
    <message>
        <source>今天我买了一张齐鲁福利彩票，谁知道中了个三等奖，去了个人所得税还净挣3000呢！</source>
        <translation>今天我買了一張齊魯公益彩券，誰知道中了個三等獎，扣掉個人所得稅還淨賺3000呢！</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>路人甲</source>
        <translation>路人甲</translation>
    </message>
    <message>
        <source>银行存款</source>
        <translation>銀行存款</translation>
    </message>
    <message>
        <source>银行取款</source>
        <translation>銀行提款</translation>
    </message>
    <message>
        <source>定期检查</source>
        <translation>定期檢查</translation>
    </message>
    <message>
        <source>你到挂号处挂号，小护士看你精神的很，往隔壁指了指说：&quot;同志！您走错了！精神科在隔壁挂号！&quot;</source>
        <translation>你到掛號處掛號，小護士看你精神得很，往隔壁指了指說：「先生！您走錯了！精神科在隔壁掛號！」</translation>
    </message>
    <message>
        <source>几位医师会诊，分析你的病情，决定用世界领先技术来对你身体做整体治疗，但是因为技术特殊，治疗每一点需要100元。&quot;</source>
        <translation>幾位醫師會診，分析你的病情，決定用世界領先的技術為你的身體做全面治療，但因為技術特殊，每治療一點需要100元。</translation>
    </message>
    <message>
        <source>网吧</source>
        <translation>網咖</translation>
    </message>
    <message>
        <source>中介</source>
        <translation>仲介</translation>
    </message>
    <message>
        <source>哦！您的钱不够!欢迎再次光临!</source>
        <translation>哦！您的錢不夠！歡迎再次光臨！</translation>
    </message>
    <message>
        <source>你壮志未筹身先死，永远的从地球消失了！</source>
        <translation>你壯志未酬身先死，永遠地從地球上消失了！</translation>
    </message>
    <message>
        <source>%1你在青岛共赚到了:￥%2,你高兴的回到了你的故乡</source>
        <translation>%1，你在青島總共賺到了：￥%2，你高高興興地回到了故鄉。</translation>
    </message>
    <message>
        <source>潮汐货郎 V1.00            (%1/60)</source>
        <translation>潮汐貨郎 V1.00            (%1/60)</translation>
    </message>
    <message>
        <source>改名</source>
        <translation>改名</translation>
    </message>
    <message>
        <source>请输入您的姓名:</source>
        <translation>請輸入您的姓名：</translation>
    </message>
    <message>
        <source>小二黑</source>
        <translation>小二黑</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>请先选择要购买的商品！</source>
        <translation>請先選擇要購買的商品！</translation>
    </message>
    <message>
        <source>要购买的数量：</source>
        <translation>要購買的數量：</translation>
    </message>
    <message>
        <source>请先选择要卖出的商品！</source>
        <translation>請先選擇要賣出的商品！</translation>
    </message>
    <message>
        <source>店小二微笑着说：“对不起！小店不收这种产品！”</source>
        <translation>店小二微笑著說：「對不起！小店不收這種貨！」</translation>
    </message>
    <message>
        <source>要卖出的数量：</source>
        <translation>要賣出的數量：</translation>
    </message>
</context>
<context>
    <name>Goods</name>
    <message>
        <source>盗版CD、VCD</source>
        <translation>盜版CD、VCD</translation>
    </message>
    <message>
        <source>假冒名牌化妆品</source>
        <translation>仿冒名牌化妝品</translation>
    </message>
    <message>
        <source>打磨过的内存条</source>
        <translation>打磨過的記憶體</translation>
    </message>
    <message>
        <source>盗版计算机书籍</source>
        <translation>盜版電腦書籍</translation>
    </message>
    <message>
        <source>劣质计算机电源</source>
        <translation>劣質電源供應器</translation>
    </message>
    <message>
        <source>杂牌MP3播放器</source>
        <translation>雜牌MP3隨身聽</translation>
    </message>
    <message>
        <source>走私进口汽车</source>
        <translation>走私進口汽車</translation>
    </message>
    <message>
        <source>走私名牌酒和香烟</source>
        <translation>走私名牌菸酒</translation>
    </message>
    <message>
        <source>进口高清晰DVD影碟</source>
        <translation>進口高畫質DVD</translation>
    </message>
    <message>
        <source>《日本美女写真》</source>
        <translation>《日本美女寫真》</translation>
    </message>
    <message>
        <source>假冒P4名牌电脑</source>
        <translation>仿冒P4名牌電腦</translation>
    </message>
    <message>
        <source>低纯度的白金项链</source>
        <translation>低純度白金項鍊</translation>
    </message>
    <message>
        <source>含有高甲醇的白酒</source>
        <translation>含高甲醇的白酒</translation>
    </message>
    <message>
        <source>仿制的古玩、古董</source>
        <translation>仿製古玩古董</translation>
    </message>
    <message>
        <source>劣质&quot;三无&quot;空调</source>
        <translation>劣質三無冷氣</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>火车站</source>
        <translation>火車站</translation>
    </message>
    <message>
        <source>李沧区</source>
        <translation>李滄區</translation>
    </message>
    <message>
        <source>栈桥</source>
        <translation>棧橋</translation>
    </message>
    <message>
        <source>东海路</source>
        <translation>東海路</translation>
    </message>
    <message>
        <source>中山路</source>
        <translation>中山路</translation>
    </message>
    <message>
        <source>啤酒城</source>
        <translation>啤酒城</translation>
    </message>
    <message>
        <source>小青岛</source>
        <translation>小青島</translation>
    </message>
    <message>
        <source>四方区</source>
        <translation>四方區</translation>
    </message>
    <message>
        <source>李村集贸市场</source>
        <translation>李村集貿市場</translation>
    </message>
    <message>
        <source>长途站</source>
        <translation>長途客運站</translation>
    </message>
</context>
<context>
    <name>tp::app::BestRun</name>
    <message>
        <source>这个种子找到的最好一局赚到 %1；它的任何一局都到不了 %2 以上。</source>
        <translation>這個種子找到的最好一局賺到 %1；它的任何一局都到不了 %2 以上。</translation>
    </message>
</context>
<context>
    <name>tp::app::GameFaces</name>
    <message>
        <source>%1 is not in %2</source>
        <translation>%2 中沒有 %1</translation>
    </message>
    <message>
        <source>%1 is no usable font</source>
        <translation>%1 不是可用的字型</translation>
    </message>
    <message>
        <source>tidepeddler: cannot load the game&apos;s faces (%1); drawing the text from the installed fonts</source>
        <translation>tidepeddler: 無法載入遊戲的字型（%1）；改用系統已安裝的字型繪製文字</translation>
    </message>
</context>
<context>
    <name>tp::app::JourneyKeeping</name>
    <message>
        <source>这次旅程无法保存：磁盘已满，或保存的文件夹不可写。游戏可以接着玩，但关掉以后只能从上次保存的地方接着走。</source>
        <translation>這次旅程無法儲存：磁碟已滿，或儲存的資料夾無法寫入。遊戲可以接著玩，但關掉以後只能從上次儲存的地方接著走。</translation>
    </message>
</context>
<context>
    <name>tp::app::WindowSet</name>
    <message>
        <source>另一局游戏正在进行，保存的旅程归它所有；这一局不会被保存。</source>
        <translation>另一局遊戲正在進行，儲存的旅程歸它所有；這一局不會被儲存。</translation>
    </message>
    <message>
        <source>保存的旅程已损坏，无法接着走，也无法把它移开。新的旅程开始了。</source>
        <translation>儲存的旅程已損壞，無法接著走，也無法把它移開。新的旅程開始了。</translation>
    </message>
    <message>
        <source>保存的旅程已损坏，无法接着走；原文件已改名为 %1 保留。新的旅程开始了。</source>
        <translation>儲存的旅程已損壞，無法接著走；原檔案已改名為 %1 保留。新的旅程開始了。</translation>
    </message>
    <message>
        <source>上次的旅程已经走完，成绩已记入富豪榜（按 Ctrl+H 查看）。</source>
        <translation>上次的旅程已經走完，成績已記入富豪榜（按 Ctrl+H 查看）。</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>tp::halloffame::FameFile</name>
    <message>
        <source>no list of runs</source>
        <translation>沒有各局成績的清單</translation>
    </message>
</context>
<context>
    <name>tp::halloffame::HallOfFameStore</name>
    <message>
        <source>排行榜文件中有 %1 条记录无法识别，已略过。</source>
        <extracomment>A sentence of its own, which the next may follow: where sentences are spaced, end it with a space.</extracomment>
        <translation>排行榜檔案中有 %1 筆紀錄無法辨識，已略過。</translation>
    </message>
    <message>
        <source>另一局游戏正在写排行榜，等待超时。</source>
        <translation>另一局遊戲正在寫入排行榜，等待逾時。</translation>
    </message>
    <message>
        <source>保存排行榜的文件夹不可写。</source>
        <translation>儲存排行榜的資料夾無法寫入。</translation>
    </message>
    <message>
        <source>无法锁定排行榜文件。</source>
        <translation>無法鎖定排行榜檔案。</translation>
    </message>
    <message>
        <source>本次成绩未能保存：%1以前的记录没有改动。</source>
        <extracomment>A sentence of its own, which the next may follow: where sentences are spaced, end it with a space.</extracomment>
        <translation>本次成績未能儲存：%1以前的紀錄沒有變動。</translation>
    </message>
    <message>
        <source>找不到保存排行榜的文件夹。</source>
        <translation>找不到儲存排行榜的資料夾。</translation>
    </message>
    <message>
        <source>排行榜文件已损坏，读不出以前的记录；下次回乡时会把它改名保留，排行榜重新开始。</source>
        <translation>排行榜檔案已損壞，讀不出以前的紀錄；下次回鄉時會把它改名保留，排行榜重新開始。</translation>
    </message>
    <message>
        <source>tidepeddler: hall of fame %1: %2</source>
        <translation>tidepeddler: 排行榜 %1：%2</translation>
    </message>
    <message>
        <source>无法建立文件夹 %1。</source>
        <translation>無法建立資料夾 %1。</translation>
    </message>
    <message>
        <source>not saved: cannot create the folder</source>
        <translation>未儲存：無法建立資料夾</translation>
    </message>
    <message>
        <source>not saved: cannot lock %1.lock</source>
        <translation>未儲存：無法鎖定 %1.lock</translation>
    </message>
    <message>
        <source>原排行榜文件已损坏，已改名为 %1 保留，排行榜从本次重新开始。</source>
        <extracomment>A sentence of its own, which the next may follow: where sentences are spaced, end it with a space.</extracomment>
        <translation>原排行榜檔案已損壞，已改名為 %1 保留，排行榜從本次重新開始。</translation>
    </message>
    <message>
        <source>%1; moved it to %2 and started a new table</source>
        <translation>%1；已將它移到 %2，並開始新的排行榜</translation>
    </message>
    <message>
        <source>原排行榜文件已损坏，又无法把它移开。</source>
        <translation>原排行榜檔案已損壞，又無法把它移開。</translation>
    </message>
    <message>
        <source>%1; cannot move it aside, not saved</source>
        <translation>%1；無法將它移開，未儲存</translation>
    </message>
    <message>
        <source>原排行榜文件已损坏，读不出以前的记录。</source>
        <extracomment>A sentence of its own, which the next may follow: where sentences are spaced, end it with a space.</extracomment>
        <translation>原排行榜檔案已損壞，讀不出以前的紀錄。</translation>
    </message>
    <message>
        <source>%1 rows left out, %2 changed, %3 kept of %4; the file as it was is kept as %5</source>
        <translation>略過 %1 筆、修改 %2 筆，%4 筆中保留 %3 筆；原本的檔案另存為 %5</translation>
    </message>
    <message>
        <source>原文件另存为 %1。</source>
        <extracomment>A sentence of its own, which the next may follow: where sentences are spaced, end it with a space.</extracomment>
        <translation>原檔案另存為 %1。</translation>
    </message>
    <message>
        <source>无法另存被手工改动过的排行榜文件。</source>
        <translation>無法另存被手動修改過的排行榜檔案。</translation>
    </message>
    <message>
        <source>cannot keep a copy of the edited file, not saved</source>
        <translation>無法另存被修改過的檔案，未儲存</translation>
    </message>
    <message>
        <source>磁盘已满，或文件无法写入。</source>
        <translation>磁碟已滿，或檔案無法寫入。</translation>
    </message>
    <message>
        <source>not saved: %1</source>
        <translation>未儲存：%1</translation>
    </message>
</context>
<context>
    <name>tp::halloffame::ScoresTable</name>
    <message>
        <source>还没有回乡的记录：走完六十天、回到故乡的旅程会记在这里。</source>
        <translation>還沒有回鄉的紀錄：走完六十天、回到故鄉的旅程會記在這裡。</translation>
    </message>
    <message>
        <source>名次</source>
        <translation>名次</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>欠款</source>
        <translation>欠款</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>种子</source>
        <translation>種子</translation>
    </message>
</context>
<context>
    <name>tp::journey::JournalArchive</name>
    <message>
        <source>&quot;journey&quot; is not a journey&apos;s name</source>
        <translation>「journey」不是旅程的名稱</translation>
    </message>
    <message>
        <source>这一局的日志已损坏，无法打开。</source>
        <translation>這一局的日誌已損壞，無法開啟。</translation>
    </message>
    <message>
        <source>这一局的日志已损坏，无法打开；原文件已改名为 %1 保留。</source>
        <translation>這一局的日誌已損壞，無法開啟；原檔案已改名為 %1 保留。</translation>
    </message>
    <message>
        <source>the saved journey is damaged: %1</source>
        <translation>儲存的旅程已損壞：%1</translation>
    </message>
</context>
<context>
    <name>tp::journey::JournalFile</name>
    <message>
        <source>names nothing a journal holds</source>
        <translation>不是日誌裡會有的內容</translation>
    </message>
    <message>
        <source>does not hold five goods</source>
        <translation>不是五種商品</translation>
    </message>
    <message>
        <source>is longer than the rename box takes</source>
        <translation>超過改名框能輸入的長度</translation>
    </message>
    <message>
        <source>is no action that can be undone</source>
        <translation>不是能退回的一步</translation>
    </message>
    <message>
        <source>holds more than any run writes</source>
        <translation>比任何一局寫下的都多</translation>
    </message>
</context>
<context>
    <name>tp::journey::JournalText</name>
    <message>
        <source>现金 %1，存款 %2，欠款 %3。</source>
        <translation>現金 %1，存款 %2，欠款 %3。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>行情：%1。</source>
        <extracomment>Between the goods of a market.</extracomment>
        <translation>行情：%1。</translation>
    </message>
    <message>
        <source>，</source>
        <translation>，</translation>
    </message>
    <message>
        <source>买进%1 %2 件，每件 %3，共 %4。</source>
        <extracomment>%1 the good, %2 how many, %3 the price of one, %4 the total.</extracomment>
        <translation>買進%1 %2 件，每件 %3，共 %4。</translation>
    </message>
    <message>
        <source>卖出%1 %2 件，每件 %3，共 %4。</source>
        <extracomment>%1 the good, %2 how many, %3 the price of one, %4 the total.</extracomment>
        <translation>賣出%1 %2 件，每件 %3，共 %4。</translation>
    </message>
    <message>
        <source>在银行存入 %1。</source>
        <translation>在銀行存入 %1。</translation>
    </message>
    <message>
        <source>从银行取出 %1。</source>
        <translation>從銀行取出 %1。</translation>
    </message>
    <message>
        <source>在医院治好 %1 点健康。</source>
        <translation>在醫院治好 %1 點健康。</translation>
    </message>
    <message>
        <source>在网吧还债 %1。</source>
        <translation>在網咖還債 %1。</translation>
    </message>
    <message>
        <source>在中介买下 %1 个货位。</source>
        <translation>在中介買下 %1 個貨位。</translation>
    </message>
    <message>
        <source>来到青岛，开始新的旅程（种子 %1）。</source>
        <translation>來到青島，開始新的旅程（種子 %1）。</translation>
    </message>
    <message>
        <source>接着以前保存的旅程走，日志从这里记起。</source>
        <translation>接著以前儲存的旅程走，日誌從這裡記起。</translation>
    </message>
    <message>
        <source>去了%1。</source>
        <translation>去了%1。</translation>
    </message>
    <message>
        <source>去了%1。%2</source>
        <extracomment>%1 the place, %2 the day&apos;s diary entry.</extracomment>
        <translation>去了%1。%2</translation>
    </message>
    <message>
        <source>改名为“%1”。</source>
        <translation>改名為「%1」。</translation>
    </message>
    <message>
        <source>病死在青岛，旅程到此为止。</source>
        <translation>病死在青島，旅程到此為止。</translation>
    </message>
    <message>
        <source>第 %1 天&#x3000;%2</source>
        <extracomment>%1 the day, %2 what happened on it.</extracomment>
        <translation>第 %1 天&#x3000;%2</translation>
    </message>
    <message>
        <source>退回一步：%1%2</source>
        <translation>退回一步：%1%2</translation>
    </message>
    <message>
        <source>回到故乡，共赚到 %1。%2</source>
        <translation>回到故鄉，共賺到 %1。%2</translation>
    </message>
    <message>
        <source>%1%2</source>
        <extracomment>An action, then the cash, deposit and debt it left.</extracomment>
        <translation>%1%2</translation>
    </message>
</context>
<context>
    <name>tp::journey::JourneyFile</name>
    <message>
        <source>&quot;dailyWorth&quot; holds a worth no amounts add up to</source>
        <translation>「dailyWorth」裡有任何金額都湊不出來的身家</translation>
    </message>
    <message>
        <source>&quot;dailyWorth&quot; is longer than a run</source>
        <translation>「dailyWorth」比一局還長</translation>
    </message>
    <message>
        <source>is longer than a name may be</source>
        <translation>超過姓名能有的長度</translation>
    </message>
    <message>
        <source>is longer than the rename box takes</source>
        <translation>超過改名框能輸入的長度</translation>
    </message>
    <message>
        <source>&quot;diary&quot; is not a day&apos;s entry</source>
        <translation>「diary」不是一天的日記</translation>
    </message>
    <message>
        <source>no game reaches it: %1</source>
        <translation>沒有哪一局能走到這一步：%1</translation>
    </message>
    <message>
        <source>&quot;dailyWorth&quot; does not hold every day of a run</source>
        <translation>「dailyWorth」沒有涵蓋一局的每一天</translation>
    </message>
    <message>
        <source>&quot;journey&quot; is not a journey&apos;s name</source>
        <translation>「journey」不是旅程的名稱</translation>
    </message>
</context>
<context>
    <name>tp::journey::JourneyStore</name>
    <message>
        <source>tidepeddler: journey %1: %2; moved it to %3 and started a new one</source>
        <translation>tidepeddler: 旅程 %1：%2；已將它移到 %3，並開始新的旅程</translation>
    </message>
    <message>
        <source>tidepeddler: journey %1: %2; cannot move it aside</source>
        <translation>tidepeddler: 旅程 %1：%2；無法將它移開</translation>
    </message>
    <message>
        <source>tidepeddler: journey %1: cannot remove it</source>
        <translation>tidepeddler: 旅程 %1：無法刪除</translation>
    </message>
    <message>
        <source>tidepeddler: journey %1: not saved: %2</source>
        <translation>tidepeddler: 旅程 %1：未儲存：%2</translation>
    </message>
</context>
<context>
    <name>tp::statistics::StatisticsFile</name>
    <message>
        <source>figures no journeys add up to</source>
        <translation>這些數字不是任何旅程加得出來的</translation>
    </message>
</context>
<context>
    <name>tp::statistics::StatisticsStore</name>
    <message>
        <source>找不到保存统计的文件夹。</source>
        <translation>找不到儲存統計的資料夾。</translation>
    </message>
    <message>
        <source>另一局游戏正在写统计，等待超时。</source>
        <translation>另一局遊戲正在寫入統計，等待逾時。</translation>
    </message>
    <message>
        <source>保存统计的文件夹不可写。</source>
        <translation>儲存統計的資料夾無法寫入。</translation>
    </message>
    <message>
        <source>无法锁定统计文件。</source>
        <translation>無法鎖定統計檔案。</translation>
    </message>
    <message>
        <source>统计文件已损坏，读不出以前的数字；下次旅程结束时会把它改名保留，统计重新开始。</source>
        <translation>統計檔案已損壞，讀不出以前的數字；下次旅程結束時會把它改名保留，統計重新開始。</translation>
    </message>
    <message>
        <source>tidepeddler: statistics %1: %2</source>
        <translation>tidepeddler: 統計 %1：%2</translation>
    </message>
    <message>
        <source>无法建立文件夹 %1。</source>
        <translation>無法建立資料夾 %1。</translation>
    </message>
    <message>
        <source>not saved: cannot create the folder</source>
        <translation>未儲存：無法建立資料夾</translation>
    </message>
    <message>
        <source>not saved: cannot lock %1.lock</source>
        <translation>未儲存：無法鎖定 %1.lock</translation>
    </message>
    <message>
        <source>统计文件已损坏，读不出以前的数字。</source>
        <extracomment>A sentence of its own, which the next may follow: where sentences are spaced, end it with a space.</extracomment>
        <translation>統計檔案已損壞，讀不出以前的數字。</translation>
    </message>
    <message>
        <source>统计文件已损坏，已改名为 %1 保留，统计从本次重新开始。</source>
        <extracomment>A sentence of its own, which the next may follow: where sentences are spaced, end it with a space.</extracomment>
        <translation>統計檔案已損壞，已改名為 %1 保留，統計從本次重新開始。</translation>
    </message>
    <message>
        <source>%1; moved it to %2 and started counting afresh</source>
        <translation>%1；已將它移到 %2，並重新開始統計</translation>
    </message>
    <message>
        <source>统计文件已损坏，又无法把它移开。</source>
        <translation>統計檔案已損壞，又無法把它移開。</translation>
    </message>
    <message>
        <source>%1; cannot move it aside, not saved</source>
        <translation>%1；無法將它移開，未儲存</translation>
    </message>
    <message>
        <source>磁盘已满，或文件无法写入。</source>
        <translation>磁碟已滿，或檔案無法寫入。</translation>
    </message>
    <message>
        <source>not saved: %1</source>
        <translation>未儲存：%1</translation>
    </message>
    <message>
        <source>本次旅程未能记入统计：%1</source>
        <translation>本次旅程未能記入統計：%1</translation>
    </message>
</context>
<context>
    <name>tp::statistics::StatisticsText</name>
    <message>
        <source>走过的旅程</source>
        <translation>走過的旅程</translation>
    </message>
    <message>
        <source>回到故乡</source>
        <translation>回到故鄉</translation>
    </message>
    <message>
        <source>中途身亡</source>
        <translation>中途身亡</translation>
    </message>
    <message>
        <source>中途放弃</source>
        <translation>中途放棄</translation>
    </message>
    <message>
        <source>最高金额</source>
        <translation>最高金額</translation>
    </message>
    <message>
        <source>平均金额</source>
        <translation>平均金額</translation>
    </message>
    <message>
        <source>当前连续回乡</source>
        <translation>當前連續回鄉</translation>
    </message>
    <message>
        <source>最长连续回乡</source>
        <translation>最長連續回鄉</translation>
    </message>
    <message>
        <source>走过的天数</source>
        <translation>走過的天數</translation>
    </message>
</context>
<context>
    <name>tp::storage::KeptFiles</name>
    <message>
        <source>not a regular file</source>
        <translation>不是一般檔案</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>大於 %1 位元組</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>無法讀取：%1</translation>
    </message>
</context>
<context>
    <name>tp::storage::VersionedJson</name>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>不是 JSON：%1（第 %2 位元組）</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>不是 JSON 物件</translation>
    </message>
    <message>
        <source>no format version</source>
        <translation>沒有格式版本</translation>
    </message>
    <message>
        <source>unknown format version %1</source>
        <translation>不明的格式版本 %1</translation>
    </message>
    <message>
        <source>is not a whole number from %1 to %2</source>
        <translation>不是 %1 到 %2 之間的整數</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>不是 true 或 false</translation>
    </message>
    <message>
        <source>is not a text</source>
        <translation>不是文字</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>不是清單</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>不是物件</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2</source>
        <translation>「%1」%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds something that is not an object</source>
        <translation>「%1」裡有不是物件的東西</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>不是數字</translation>
    </message>
    <message>
        <source>is not a field of this file</source>
        <translation>不是這個檔案會有的</translation>
    </message>
</context>
<context>
    <name>tp::ui::DayChart</name>
    <message>
        <source>身家（元）</source>
        <translation>身家（元）</translation>
    </message>
    <message>
        <source>天数</source>
        <translation>天數</translation>
    </message>
    <message>
        <source>100000000</source>
        <extracomment>The size of the larger unit of the chart&apos;s amounts, in digits.</extracomment>
        <translation>100000000</translation>
    </message>
    <message>
        <source>%1亿</source>
        <extracomment>An amount in the larger unit.</extracomment>
        <translation>%1億</translation>
    </message>
    <message>
        <source>10000</source>
        <extracomment>The size of the smaller unit of the chart&apos;s amounts, in digits.</extracomment>
        <translation>10000</translation>
    </message>
    <message>
        <source>%1万</source>
        <extracomment>An amount in the smaller unit.</extracomment>
        <translation>%1萬</translation>
    </message>
    <message>
        <source>没有每天的身家记录。</source>
        <translation>沒有每天的身家紀錄。</translation>
    </message>
    <message>
        <source>共 %1 天。第 1 天身家 %2 元，第 %1 天 %3 元；最高 %4 元（第 %5 天），最低 %6 元（第 %7 天）。</source>
        <translation>共 %1 天。第 1 天身家 %2 元，第 %1 天 %3 元；最高 %4 元（第 %5 天），最低 %6 元（第 %7 天）。</translation>
    </message>
    <message>
        <source>本次每天的身家</source>
        <translation>本次每天的身家</translation>
    </message>
    <message>
        <source>价格（元）</source>
        <translation>價格（元）</translation>
    </message>
    <message>
        <source>还没有见过这种商品。</source>
        <translation>還沒有見過這種商品。</translation>
    </message>
    <message>
        <source>见过 %1 次。第 %2 天 %3 元，第 %4 天 %5 元；最高 %6 元（第 %7 天），最低 %8 元（第 %9 天）。</source>
        <translation>見過 %1 次。第 %2 天 %3 元，第 %4 天 %5 元；最高 %6 元（第 %7 天），最低 %8 元（第 %9 天）。</translation>
    </message>
    <message>
        <source>%1每天的价格</source>
        <translation>%1每天的價格</translation>
    </message>
</context>
<context>
    <name>tp::ui::DiaryWindow</name>
    <message>
        <source>我的日记本</source>
        <translation>我的日記本</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>日记</source>
        <translation>日記</translation>
    </message>
</context>
<context>
    <name>tp::ui::HallOfFameWindow</name>
    <message>
        <source>名次</source>
        <translation>名次</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>欠款</source>
        <translation>欠款</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>种子</source>
        <translation>種子</translation>
    </message>
    <message>
        <source>富豪榜</source>
        <translation>富豪榜</translation>
    </message>
    <message>
        <source>本次回乡排第 %1 名。</source>
        <translation>本次回鄉排第 %1 名。</translation>
    </message>
    <message>
        <source>本次回乡排第 %1 名，未进前十。</source>
        <translation>本次回鄉排第 %1 名，未進前十。</translation>
    </message>
    <message>
        <source>历次回乡的前 %1 名。</source>
        <translation>歷次回鄉的前 %1 名。</translation>
    </message>
    <message>
        <source>还没有回乡的记录：走完六十天、回到故乡的旅程会记在这里。</source>
        <translation>還沒有回鄉的紀錄：走完六十天、回到故鄉的旅程會記在這裡。</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>前十名</source>
        <translation>前十名</translation>
    </message>
    <message>
        <source>历次回乡的前十名：名次、姓名、金额、欠款、日期和种子</source>
        <translation>歷次回鄉的前十名：名次、姓名、金額、欠款、日期和種子</translation>
    </message>
    <message>
        <source>本次成绩（在全部记录中的名次）：</source>
        <translation>本次成績（在全部紀錄中的名次）：</translation>
    </message>
    <message>
        <source>本次成绩</source>
        <translation>本次成績</translation>
    </message>
    <message>
        <source>本次回乡在全部记录中排第 %1 名，未进前十</source>
        <translation>本次回鄉在全部紀錄中排第 %1 名，未進前十</translation>
    </message>
    <message>
        <source>本次每天的身家（现金加存款减欠款）：</source>
        <translation>本次每天的身家（現金加存款減欠款）：</translation>
    </message>
    <message>
        <source>重玩这一局：</source>
        <translation>重玩這一局：</translation>
    </message>
    <message>
        <source>重玩命令</source>
        <translation>重玩指令</translation>
    </message>
    <message>
        <source>在终端输入这条命令，可以用同样的种子重玩选中的一局</source>
        <translation>在終端機輸入這條指令，就能用同樣的種子重玩選取的那一局</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>复制重玩命令</source>
        <translation>複製重玩指令</translation>
    </message>
    <message>
        <source>把重玩命令复制到剪贴板</source>
        <translation>把重玩指令複製到剪貼簿</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>关闭富豪榜</source>
        <translation>關閉富豪榜</translation>
    </message>
    <message>
        <source>第 %1 名</source>
        <translation>第 %1 名</translation>
    </message>
    <message>
        <source>已复制。</source>
        <translation>已複製。</translation>
    </message>
    <message>
        <source>已复制到剪贴板</source>
        <translation>已複製到剪貼簿</translation>
    </message>
    <message>
        <source>日志(&amp;J)</source>
        <translation>日誌(&amp;J)</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>日誌</translation>
    </message>
    <message>
        <source>打开选中的一局的日志</source>
        <translation>開啟選中的一局的日誌</translation>
    </message>
    <message>
        <source>这一局的日志已经不在了。</source>
        <translation>這一局的日誌已經不在了。</translation>
    </message>
    <message>
        <source>%1的日志</source>
        <translation>%1的日誌</translation>
    </message>
</context>
<context>
    <name>tp::ui::JournalWindow</name>
    <message>
        <source>日志</source>
        <translation>日誌</translation>
    </message>
    <message>
        <source>这一局每天发生的事，最新的在最后</source>
        <translation>這一局每天發生的事，最新的在最後</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>tp::ui::JourneyQuestion</name>
    <message>
        <source>潮汐货郎</source>
        <translation>潮汐貨郎</translation>
    </message>
    <message>
        <source>上次的旅程还没有走完：
第 %1 天
现金 %2
欠款 %3
接着走，还是重新开始？</source>
        <translation>上次的旅程還沒有走完：
第 %1 天
現金 %2
欠款 %3
接著走，還是重新開始？</translation>
    </message>
    <message>
        <source>继续(&amp;G)</source>
        <translation>繼續(&amp;G)</translation>
    </message>
    <message>
        <source>重新开始(&amp;N)</source>
        <translation>重新開始(&amp;N)</translation>
    </message>
</context>
<context>
    <name>tp::ui::MainWindow</name>
    <message>
        <source>潮汐货郎 V1.00</source>
        <translation>潮汐貨郎 V1.00</translation>
    </message>
    <message>
        <source>姓名：</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <source>现金：</source>
        <translation>現金：</translation>
    </message>
    <message>
        <source>欠款：</source>
        <translation>欠款：</translation>
    </message>
    <message>
        <source>健康：</source>
        <translation>健康：</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>点击或按 F2 改名</source>
        <translation>點一下或按 F2 即可改名</translation>
    </message>
    <message>
        <source>现金</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>欠款</source>
        <translation>欠款</translation>
    </message>
    <message>
        <source>健康</source>
        <translation>健康</translation>
    </message>
    <message>
        <source>存款</source>
        <translation>存款</translation>
    </message>
    <message>
        <source>存款：</source>
        <translation>存款：</translation>
    </message>
    <message>
        <source>买入</source>
        <translation>買入</translation>
    </message>
    <message>
        <source>买入市场中选中的商品</source>
        <translation>買入市場中選取的商品</translation>
    </message>
    <message>
        <source>卖出</source>
        <translation>賣出</translation>
    </message>
    <message>
        <source>卖出身上选中的商品</source>
        <translation>賣出身上選取的商品</translation>
    </message>
    <message>
        <source>医院</source>
        <translation>醫院</translation>
    </message>
    <message>
        <source>银行</source>
        <translation>銀行</translation>
    </message>
    <message>
        <source>声明</source>
        <translation>聲明</translation>
    </message>
    <message>
        <source>网吧</source>
        <translation>網咖</translation>
    </message>
    <message>
        <source>中介</source>
        <translation>仲介</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>火车站</source>
        <comment>map button</comment>
        <translation>火車站</translation>
    </message>
    <message>
        <source>李沧区</source>
        <comment>map button</comment>
        <translation>李滄區</translation>
    </message>
    <message>
        <source>栈桥</source>
        <comment>map button</comment>
        <translation>棧橋</translation>
    </message>
    <message>
        <source>东海路</source>
        <comment>map button</comment>
        <translation>東海路</translation>
    </message>
    <message>
        <source>中山路</source>
        <comment>map button</comment>
        <translation>中山路</translation>
    </message>
    <message>
        <source>啤酒城</source>
        <comment>map button</comment>
        <translation>啤酒城</translation>
    </message>
    <message>
        <source>小青岛</source>
        <comment>map button</comment>
        <translation>小青島</translation>
    </message>
    <message>
        <source>四方区</source>
        <comment>map button</comment>
        <translation>四方區</translation>
    </message>
    <message>
        <source>李村集贸市场</source>
        <comment>map button</comment>
        <translation>李村集貿市場</translation>
    </message>
    <message>
        <source>长途站</source>
        <comment>map button</comment>
        <translation>客運站</translation>
    </message>
    <message>
        <source>去这里，过一天</source>
        <translation>去這裡，過一天</translation>
    </message>
    <message>
        <source>商品名称</source>
        <translation>商品名稱</translation>
    </message>
    <message>
        <source>价格</source>
        <translation>價格</translation>
    </message>
    <message>
        <source>今日市场</source>
        <translation>今日市場</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>數量</translation>
    </message>
    <message>
        <source>随身货物</source>
        <translation>隨身貨物</translation>
    </message>
    <message>
        <source>放弃这次旅程，重新开始吗？
这次旅程不会记入富豪榜。</source>
        <translation>放棄這次旅程，重新開始嗎？
這次旅程不會記入富豪榜。</translation>
    </message>
    <message>
        <source>重新开始</source>
        <translation>重新開始</translation>
    </message>
    <message>
        <source>新的旅程(&amp;N)</source>
        <translation>新的旅程(&amp;N)</translation>
    </message>
    <message>
        <source>富豪榜(&amp;H)</source>
        <translation>富豪榜(&amp;H)</translation>
    </message>
    <message>
        <source>改名(&amp;R)</source>
        <translation>改名(&amp;R)</translation>
    </message>
    <message>
        <source>帮助(&amp;E)</source>
        <translation>說明(&amp;E)</translation>
    </message>
    <message>
        <source>退出(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>潮汐货郎</source>
        <translation>潮汐貨郎</translation>
    </message>
    <message>
        <source>退回一步(&amp;U)</source>
        <translation>退回一步(&amp;U)</translation>
    </message>
    <message>
        <source>日志(&amp;J)</source>
        <translation>日誌(&amp;J)</translation>
    </message>
    <message>
        <source>价格簿(&amp;P)</source>
        <translation>價格簿(&amp;P)</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>日誌</translation>
    </message>
    <message>
        <source>统计(&amp;T)</source>
        <translation>統計(&amp;T)</translation>
    </message>
    <message>
        <source>今天的旅程(&amp;D)</source>
        <translation>今天的旅程(&amp;D)</translation>
    </message>
    <message>
        <source>同一种子再来(&amp;A)</source>
        <translation>同一種子再來(&amp;A)</translation>
    </message>
    <message>
        <source>放弃这次旅程，开始今天的旅程吗？
今天人人走同一局（种子 %1）；这次旅程不会记入富豪榜。</source>
        <translation>放棄這次旅程，開始今天的旅程嗎？
今天人人走同一局（種子 %1）；這次旅程不會記入富豪榜。</translation>
    </message>
    <message>
        <source>今天的旅程</source>
        <translation>今天的旅程</translation>
    </message>
    <message>
        <source>放弃这次旅程，用同一个种子（%1）从头再来吗？
这次旅程不会记入富豪榜。</source>
        <translation>放棄這次旅程，用同一個種子（%1）從頭再來嗎？
這次旅程不會記入富豪榜。</translation>
    </message>
    <message>
        <source>从头再来</source>
        <translation>從頭再來</translation>
    </message>
</context>
<context>
    <name>tp::ui::Messages</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>tp::ui::PriceBookWindow</name>
    <message>
        <source>价格簿</source>
        <translation>價格簿</translation>
    </message>
    <message>
        <source>商品</source>
        <translation>商品</translation>
    </message>
    <message>
        <source>最低价</source>
        <translation>最低價</translation>
    </message>
    <message>
        <source>最高价</source>
        <translation>最高價</translation>
    </message>
    <message>
        <source>最近的价</source>
        <translation>最近的價</translation>
    </message>
    <message>
        <source>每种商品这一局见过的最低价、最高价和最近的价，各带日子</source>
        <translation>每種商品這一局見過的最低價、最高價和最近的價，各帶日子</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>%1（第 %2 天）</source>
        <translation>%1（第 %2 天）</translation>
    </message>
    <message>
        <source>还没见过</source>
        <translation>還沒見過</translation>
    </message>
    <message>
        <source>%1每天的价格：</source>
        <translation>%1每天的價格：</translation>
    </message>
</context>
<context>
    <name>tp::ui::ServiceWindow</name>
    <message>
        <source>现在流行网上汇款，挣了
点钱，还是赶快把欠村长
的钱给还清了吧！</source>
        <translation>現在流行網路匯款，賺了
點錢，還是趕快把欠村長
的錢給還清了吧！</translation>
    </message>
    <message>
        <source>中介老板说，我们这里什么房子都
有，不过您今天来的真巧，我们这
里正好有一套适合做买卖用的，可
以装好多货物，看你一个外地打工
的不容易，收你10000好了！</source>
        <translation>仲介老闆說，我們這裡什麼房子都
有，不過您今天來得真巧，我們這
裡正好有一間適合做買賣用的，可
以裝好多貨物，看你一個外地打工
的不容易，收你10000好了！</translation>
    </message>
    <message>
        <source>声明：本故事情节和现实没有任何关系，如果您未满18
岁，尚未建立是非观念，我强烈建议您退出游戏，本游
戏只作为娱乐之用，免费提供，您可以随意的传播。
如果您发现游戏中的错误，或者有什么好的建议，
欢迎告诉我们，我们会认真听取并不断改进。
感谢您选择潮汐货郎，祝您玩得开心！</source>
        <translation>聲明：本故事情節和現實沒有任何關係，如果您未滿18
歲，尚未建立是非觀念，我強烈建議您退出遊戲，本遊
戲只作為娛樂之用，免費提供，您可以隨意地傳播。
如果您發現遊戲中的錯誤，或者有什麼好的建議，
歡迎告訴我們，我們會認真聽取並不斷改進。
感謝您選擇潮汐貨郎，祝您玩得開心！</translation>
    </message>
    <message>
        <source>帮助：本游戏利用商品差价来赚得利润，所以在低价的
时候买入，在高价时候卖出可以得到不少的利润，买入
时选择要买的商品，然后双击或者按＝》，卖出同理，
银行是存钱的地方，每一天有1％的利息，医院是治疗
的地方，健康不好会OVER的。中介可以买到放货物的场
所可以增加购买量（默认200），换名字只要点击名字
即可。换买卖场地选地图上的按钮。</source>
        <translation>說明：本遊戲利用商品差價來賺取利潤，所以在低價的
時候買入，在高價時候賣出可以得到不少的利潤，買入
時選擇要買的商品，然後按兩下或按＝》，賣出同理，
銀行是存錢的地方，每一天有1％的利息，醫院是治療
的地方，健康不好會OVER的。仲介可以買到放貨物的場
所可以增加購買量（預設200），換名字只要點選名字
即可。換買賣場地請選地圖上的按鈕。</translation>
    </message>
    <message>
        <source>潮汐网吧 www.chaoxi-wang.example</source>
        <translation>潮汐網咖 www.chaoxi-wang.example</translation>
    </message>
    <message>
        <source>银行</source>
        <translation>銀行</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>確定(&amp;O)</translation>
    </message>
    <message>
        <source>取款</source>
        <translation>提款</translation>
    </message>
    <message>
        <source>存款</source>
        <translation>存款</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>太贵算了</source>
        <translation>太貴算了</translation>
    </message>
    <message>
        <source>接受治疗</source>
        <translation>接受治療</translation>
    </message>
    <message>
        <source>治疗点数</source>
        <translation>治療點數</translation>
    </message>
    <message>
        <source>医生的话</source>
        <translation>醫生的話</translation>
    </message>
    <message>
        <source>算了</source>
        <translation>算了</translation>
    </message>
    <message>
        <source>还钱</source>
        <translation>還錢</translation>
    </message>
    <message>
        <source>还款金额</source>
        <translation>還款金額</translation>
    </message>
    <message>
        <source>网吧的提示</source>
        <translation>網咖的提示</translation>
    </message>
    <message>
        <source>买下</source>
        <translation>買下</translation>
    </message>
    <message>
        <source>中介老板的话</source>
        <translation>仲介老闆的話</translation>
    </message>
    <message>
        <source>明白了</source>
        <translation>明白了</translation>
    </message>
    <message>
        <source>作者的声明</source>
        <translation>作者的聲明</translation>
    </message>
    <message>
        <source>游戏帮助</source>
        <translation>遊戲說明</translation>
    </message>
    <message>
        <source>按键：
Ctrl+N 新的旅程&#x3000;Ctrl+D 今天的旅程
Ctrl+R 同一种子再来&#x3000;Ctrl+Z 退回一步
Ctrl+J 日志&#x3000;Ctrl+P 价格簿&#x3000;Ctrl+H 富豪榜
Ctrl+T 统计&#x3000;F2 改名&#x3000;F1 帮助&#x3000;Ctrl+Q 退出
Shift+F10、菜单键或右键：打开菜单</source>
        <translation>按鍵：
Ctrl+N 新的旅程&#x3000;Ctrl+D 今天的旅程
Ctrl+R 同一種子再來&#x3000;Ctrl+Z 退回一步
Ctrl+J 日誌&#x3000;Ctrl+P 價格簿&#x3000;Ctrl+H 富豪榜
Ctrl+T 統計&#x3000;F2 改名&#x3000;F1 說明&#x3000;Ctrl+Q 退出
Shift+F10、選單鍵或右鍵：開啟選單</translation>
    </message>
</context>
<context>
    <name>tp::ui::StatisticsWindow</name>
    <message>
        <source>统计</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>关闭统计</source>
        <translation>關閉統計</translation>
    </message>
</context>
<context>
    <name>tp::ui::TradeDialog</name>
    <message>
        <source>交易</source>
        <translation>交易</translation>
    </message>
    <message>
        <source>要购买的数量：</source>
        <translation>要購買的數量：</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>確定(&amp;O)</translation>
    </message>
    <message>
        <source>取消(&amp;N)</source>
        <translation>取消(&amp;N)</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>數量</translation>
    </message>
</context>
</TS>
