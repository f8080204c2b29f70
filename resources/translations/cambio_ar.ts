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
        <source>cannot update the rates from %@</source>
        <translation>يتعذّر تحديث أسعار الصرف من %@</translation>
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
        <source>the rates server has no newer rates</source>
        <translation>لا توجد لدى خادم أسعار الصرف أسعار أحدث</translation>
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
        <source>the answer is not what was asked for</source>
        <translation>الرد ليس ما طُلب</translation>
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
