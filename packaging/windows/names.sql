-- The installer's Japanese names, put into the database that wixl built with ASCII ones
-- (tools/windows-build.sh, after giving it the Japanese code page). One statement a line.
UPDATE `Property` SET `Value` = 'ぽにるか' WHERE `Property` = 'ProductName'
UPDATE `Directory` SET `DefaultDir` = 'PONIRUKA|ぽにるか' WHERE `Directory` = 'INSTALLDIR'
UPDATE `Shortcut` SET `Name` = 'PONIRUKA|ぽにるか', `Description` = 'とけいの じかんの たしざんと ひきざんを れんしゅう します' WHERE `Shortcut` = 'StartMenu'
UPDATE `LaunchCondition` SET `Description` = '新しい版のぽにるかがすでにインストールされています。' WHERE `Condition` = 'NOT WIX_DOWNGRADE_DETECTED'
