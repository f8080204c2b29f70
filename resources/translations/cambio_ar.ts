<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>جارٍ التحديث…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>حُدِّثت: %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>أتريد جعل %@ عملتك الرئيسية؟</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>يبدو أن حاسوبك في بلد آخر الآن. يستطيع Cambio عرض عملة ذلك البلد في الصف الأول.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>غيّر</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>‏Cambio – محوّل العملات لسطح مكتبك</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>العملات</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>حدّث أسعار الصرف</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>صفّر المبالغ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>أغلق</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>صغّر</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>كبّر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>انسخ</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>انسخ الكل</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>ألصق</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>التفضيلات…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>أرسل ملاحظات…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>عن Cambio</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>أنهِ Cambio</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>الإصدار %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>أسعار الصرف: %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>لم تُحدَّث أسعار الصرف</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>تعذّر تغيير العملة الرئيسية.</translation>
    </message>
    <message>
        <source>cannot update the rates from %1: %2</source>
        <translation>يتعذّر تحديث أسعار الصرف من %1: %2</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>تعذّر حفظ أسعار الصرف الجديدة في %@</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>الرد ليس JSON: %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>الرد ليس كائن JSON لأسعار الصرف</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>لا يحوي الرد أي سعر صالح للاستخدام</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>رُفض الاتصال</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>يتعذّر تحميل وحدة: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>صور PNG (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>لم يُعثر على المضيف %@</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>أُغلق الاتصال قبل وصول الرد كاملًا</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>ليس عنوان HTTP: %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>ليس عنوان HTTP</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>الرد أكبر من %@</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>انتهت المهلة بعد %@ ث</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>‏HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>تتعذّر الكتابة في %@</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>أبقى برنامج آخر %@ مقفلًا</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>يتعذّر قفل %@</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>أكبر من 1 ميبيبايت</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>تُتجاهَل الإعدادات في %@</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>عملة مجهولة: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>ظاهرة من قبل: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>ليست عملة ظاهرة: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>‏%@ (ثابتة)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>تتبع الموقع: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>أضف عملة</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>أضف</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>طبّق</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>العملات المتاحة</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>يحدد CAMBIO_RATES_URL هذا الخادم لهذه الجلسة.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>يطلب Cambio و cambio-cli أسعار الصرف الجديدة من هذا الخادم. اتركه فارغًا لاستخدام خادم هذا الحاسوب.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>غيّر العملة الرئيسية</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>غيّر تنسيق الأرقام</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>غيّر…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>اختر عملة لإضافتها إلى المحوّل.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>اختر طريقة كتابة المبالغ.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>اختر</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>اسحب عملة، أو اضغط Alt+أعلى أو Alt+أسفل، لتغيير الترتيب.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>اتبع الموقع</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>اتبع موقع الحاسوب</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>العملة الرئيسية</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>العملة الرئيسية:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>انقل لأسفل</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>انقل لأعلى</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>تنسيق الأرقام</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>تنسيقات الأرقام</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>تنسيق الأرقام:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>تبدو المبالغ هكذا: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>الألواح</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>خادم أسعار الصرف</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>خادم أسعار الصرف:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>أسعار الصرف</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>أسعار الصرف:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>حدّث الآن</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>أزل العملة</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>استعد المبدئيات</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>ابحث في العملات</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>ابحث في تنسيقات الأرقام</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>ابحث بالرمز أو الاسم</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>ابحث باللغة أو المنطقة</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>النظام (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>تعذّر حفظ التغيير: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>يعرض المحوّل هذه العملات تحت العملة الرئيسية، بهذا الترتيب.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>تظهر العملة الرئيسية في أعلى المحوّل.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>العملات الظاهرة</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>حين يكون الحاسوب في بلد آخر، يعرض Cambio جعل عملة ذلك البلد العملة الرئيسية.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>أرسل</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>أرسل ملاحظات</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>الرسالة</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>البريد الإلكتروني:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>الرسالة:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>مطلوب</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>اختياري</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>جارٍ الإرسال…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>من فضلك أدخل عنوان بريدك الإلكتروني.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>عنوان البريد الإلكتروني هذا غير مكتمل.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>من فضلك اكتب رسالة.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>تعذّر حفظ رسالتك: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>شكرًا لك على ملاحظاتك.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>تعذّر إرسال ملاحظاتك.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>أُرسلت.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>أرسل التقرير</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>لا ترسل</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>أرسل دائمًا</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>تعذّر إرسال تقرير الانهيار.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>شارك</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>المشاركة</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>انسخ إلى الحافظة</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>احفظ الصورة…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>احفظ الصورة</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>تعذّر حفظ الصورة باسم %@.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>تعذّر تجهيز الرسالة.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>تعذّر فتح برنامج البريد.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>أخبرنا بما يعجبك، وما ينقص، وما لم يعمل كما ينبغي.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>رسالتك محفوظة في المجلد %@.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>رسالتك محفوظة في %@. السبب:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>أُنهي Cambio على غير المتوقع في آخر مرة شُغّل فيها.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>أتريد إرسال تقرير عن ذلك إلى %@؟ يبيّن التقرير ما كان البرنامج يفعله حين توقّف؛ ولا يحوي شيئًا مما كتبته.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>يُحفظ تقرير عما حدث على هذا الحاسوب، في المجلد %@. لا يُرسل إلى أي مكان: لم يُضبط عنوان لإرسال التقارير إليه.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>يبقى في %@ ويُعرض مرة أخرى عند البدء التالي. السبب:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>أسعار الصرف المرفقة مع Cambio مأخوذة من واجهة العملات البرمجية fawazahmed0/exchange-api (CC0 1.0). حدود البلدان مأخوذة من country-coder (رخصة ISC، انظر «%@»). الأعلام من حزمة iso-flags-svg في دبيان (ملكية عامة)؛ أما أعلام بيتكوين والغيلدر الكاريبي وذهب زيمبابوي فهي من صنع Cambio.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>ستُحفظ رسالتك على هذا الحاسوب، في المجلد %@. لا تُرسل إلى أي مكان: لم يُضبط عنوان لإرسال الملاحظات إليه.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>ستُرسل رسالتك إلى %@، وتُحفظ نسخة منها على هذا الحاسوب.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>لا يوجد مبلغ للّصق.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>يمكن لصق مبلغ واحد فقط في كل مرة.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>«%@» ليس مبلغًا.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>للمبالغ %@ خانة على الأكثر قبل الفاصلة العشرية.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>يدل «%@» هنا على أكثر من عملة.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>يدل «%@» على أكثر من عملة.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>‏%@ ليست من بين العملات المعروضة.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>يبقى مع التقارير الجديدة في %@ ويُعرض مرة أخرى عند البدء التالي. السبب:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>تبقى مع الرسائل التي لم تُرسل بعد في %@. السبب:</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>تعذّر وضع تقرير الانهيار جانبًا.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>يتعذّر إنشاء المجلد %@</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>أسعار الصرف قديمة منذ %@</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>أسعار الصرف في %@</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>رُفضت إعادة التوجيه إلى %@</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>حلقة إعادة توجيه</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>يغادر HTTPS</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>أكثر من %@ عمليات إعادة توجيه</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>HTTP %@ بلا وجهة</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>ضغط الإجابة تالف أو أن فكّه سيتجاوز أي حد</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>فشلت مصافحة TLS: %@</translation>
    </message>
    <message>
        <source>Usage: %@</source>
        <translation>الاستخدام: %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>يحوّل المبالغ بأسعار الصرف في Cambio ويغيّر العملات التي يعرضها المحول. تُقرأ المبالغ وتُكتب وفق الإعدادات المحلية الحالية، ورموز العملات بأي حالة أحرف.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>الأوامر:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>الخيارات:</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>المبلغ AMOUNT بالعملة FROM محوَّلًا إلى كل عملة TO، أو إلى كل صف في المحول</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>التحويلات التي يعرضها بحث سطح المكتب للنص TEXT، مثل «100 usd in eur» أو «5 usd + 2 gbp in eur, jpy»</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>الملخص المنسوخ لكل الصفوف للمبلغ AMOUNT بالعملة FROM (العملة الرئيسية إن لم تُعطَ FROM)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>كل عملات أسعار الصرف مع أسمائها؛ --available: غير المعروضة بعدُ فقط؛ --filter: التي يجدها النص TEXT فقط</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>العملات التي يعرضها المحول، بعد التغيير إن أُعطي</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>العملة الرئيسية، بعد تثبيتها على CODE أو جعلها تتبع بلد الحاسوب</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>يجلب أحدث أسعار الصرف من خادم أسعار الصرف</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>تاريخ أسعار الصرف، ثم سعر كل عملة من الدولار الأمريكي وإليه؛ ويُكتب عمرها في stderr</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>استخدام الإعدادات المحلية ID للمبالغ بدل الحالية (مثل de_DE، أو ar_EG@numbers=latn للأرقام من 0 إلى 9)</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>بلا تحذير في stderr من أن أسعار الصرف قديمة</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>اعرض هذه المساعدة واخرج</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>اعرض الإصدار واخرج</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>حالة الخروج: 0 عند النجاح، و1 عند فشل العملية، و2 لسطر أوامر خاطئ.</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>لا يقبل %@ قيمة</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>يحتاج %@ إلى قيمة</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>خيار مجهول: %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>لا يقبل %1 معاملات: %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>لم يُعطَ أي أمر (انظر cambio-cli --help)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>لا يقبل %1 الخيار %2</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>أمر مجهول: %@ (انظر cambio-cli --help)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>ليس مبلغًا: %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>يحتاج convert إلى مبلغ وعملة: %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>يحتاج query إلى نص: %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>ليس تحويلًا: %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>لا يوجد سعر صالح للاستخدام لـ %@ في أسعار الصرف السارية</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>المبلغ أكبر من أن يُحوَّل إلى %@</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>يحتاج summary إلى مبلغ: %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>لا توجد عملة رئيسية سارية؛ أعطِ FROM أو ثبّت واحدة بالأمر: %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>لا يقبل currencies عملة: %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>يقبل visible واحدًا من هذه: %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>يقبل main عملة واحدة أو --auto: %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>لا يقبل update معاملات</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>لم تُحدَّث أسعار الصرف</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>لا أسعار صرف: لا يمكن قراءة ملف أسعار الصرف ولا نسخة البرنامج الخاصة</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>مدخل ملف أسعار الصرف لـ %@ غير صالح للاستخدام؛ تُعرض أسعار البرنامج الخاصة</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>مدخل ملف أسعار الصرف لـ %@ غير صالح للاستخدام وقد أُسقط</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>يتعذّر كتابة المخرجات</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>يتعذّر كتابة المخرجات: %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>لم تُعطَ أي إعدادات محلية</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>إعدادات محلية مجهولة: %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>ليس نظام ترقيم عشريًا: %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>كلمة مفتاحية غير مدعومة في الإعدادات المحلية: %@ (المدعوم numbers وcurrency)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>أسعار الصرف قديمة منذ %1: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>أسعار الصرف قديمة منذ %@: لا توجد لدى خادم أسعار الصرف أسعار أحدث</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>يقدّم لـ Cambio أسعار الصرف على %1، مجموعةً من البنك المركزي الأوروبي وواجهة العملات البرمجية المجتمعية، وحالة كل مصدر على %2.</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>يمكن ضبط كل خيار عدا --once في %@ أيضًا، كلٌّ في سطر «name = value»؛ ولسطر الأوامر الأولوية.</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>أين يُنصت (المبدئي %1؛ و%2 لـ IPv6)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>أسعار المرجع اليومية للبنك المركزي (XML)؛ القيمة %@ تعطّلها</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>جدول الدولار في واجهة العملات البرمجية (JSON)؛ كرّره لعناوين بديلة؛ القيمة %@ تعطّله</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>جدول العملات التي لا يوفرها أي مصدر مباشر: مستند أسعار صرف أو رد JSON (المبدئي: الجدول الأولي للمحول نفسه)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>أين يُحفظ آخر جدول سليم (المبدئي %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>أقصى عمر لأحدث أسعار الصرف كي يُعدّ الجدول حاليًا (المبدئي %1؛ والأقصى %2، أي عشر سنوات)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>اخرج بعد هذه المدة بلا طلب، لتفعيل المقبس (المبدئي 0: أبدًا؛ والأقصى %@، نحو 24 يومًا)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>اجلب مرة واحدة واكتب الجدول بصيغة JSON في FILE واخرج؛ حالة الخروج 1 إن لم يُجب أي مصدر مباشر</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>ليس إعدادًا: %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>يحتاج %1 إلى عنوان URL من نوع http أو https: %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>يحتاج %1 إلى عدد صحيح من الثواني من %2 إلى %3: %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>معامل غير متوقع: %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>يحتاج %1 إلى %2، مثل %3: %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>يحتاج %@ إلى ملف</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (انظر cambio-ratesd --help)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>&amp;شهر واحد</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>&amp;3 أشهر</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>&amp;سنة واحدة</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 سنوات</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>ال&amp;كل</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>جارٍ التنزيل…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>فشل التنزيل: %@. المعروض هو أسعار الصرف المحفوظة على هذا الحاسوب.</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>لا توجد أسعار صرف محفوظة لهذه الفترة.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%1 لكل %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>خلال شهر</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>خلال ثلاثة أشهر</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>خلال سنة</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>خلال خمس سنوات</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>منذ %@</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1: لا توجد أسعار صرف محفوظة.</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1: فقط %2 في %3.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1: من %2 إلى %3، الأدنى %4 في %5، الأعلى %6 في %7.</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>لا توجد أسعار صرف قبل %@.</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>لا توجد أسعار صرف بعد %@.</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>لا توجد أسعار صرف من %1 إلى %2.</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>التغير: %1 (%2)</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>الأدنى: %1 في %2</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>الأعلى: %1 في %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>يُحفظ سجل أسعار الصرف في الذاكرة فقط، لا يمكن استخدام %@</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>يحوي جداول برنامج آخر</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>مخططه من الإصدار %@</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>بدأ سجل أسعار الصرف من جديد، والملف القديم محفوظ باسم %@</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>تعذّر حفظ أسعار الصرف</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>لا يحوي الرد سجل العملات المطلوبة</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>تعذّر تنزيل سجل أسعار الصرف من %@</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%1 لكل %2 من %3 إلى %4: من %5 إلى %6، الأدنى %7 في %8، الأعلى %9 في %10، التغير %11 (%12)</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>تُعرض أسعار الصرف المحفوظة على هذا الحاسوب</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>كم كان يساوي CODE واحد من AGAINST (العملة الرئيسية ما لم تُحدَّد) في كل يوم، ثم الأدنى والأعلى والتغيّر؛ آخر 30 يومًا ما لم يُحدَّد غير ذلك، 10 سنوات على الأكثر؛ التواريخ بصيغة YYYY-MM-DD؛ ‎--csv لجداول البيانات</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>الرد ليس ما طُلب</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>السجل الكامل للبنك المركزي (XML)، يُضَمّ إلى السجل مرة واحدة؛ %@ يعطّل ذلك</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>يحتاج history إلى عملة: %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>يحتاج history إلى عملتين مختلفتين: %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>لا يمكن استخدام --days مع --from أو --to</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>يحتاج --days إلى عدد من الأيام: %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>ليس تاريخًا (YYYY-MM-DD): %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>يحتاج --to إلى --from</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>اليوم الأول يأتي بعد الأخير: من %1 إلى %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>أكثر من %1 سنوات دفعة واحدة: من %2 إلى %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>لا أسعار صرف لـ %1 مقابل %2 من %3 إلى %4</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
</TS>
